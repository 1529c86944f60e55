// The pseudo-terminal run fixture of tests/e2e_pty, compiled into this test program as
// well: each test folder is one program.
#include "e2e_pty/pty_run.cpp"  // NOLINT(bugprone-suspicious-include)
