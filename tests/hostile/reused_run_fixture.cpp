// The whole-run fixture of tests/e2e (a scripted run of the built program in a folder of
// its own), compiled into this test program as well: each test folder is one program.
#include "e2e/run_fixture.cpp"  // NOLINT(bugprone-suspicious-include)
