#pragma once
// The console control handler. The system calls it on a thread of its own; for the
// close, log-off and shut-down notifications it only raises a flag, which the next
// drain of the keyboard (on the main thread) turns into the close key, extended 107,
// the code that Alt+F4 also gives. The key queue itself is never touched from the
// handler's thread.
#include <windows.h>

namespace zemlar::platform::win32 {

// Close, log-off and shut-down: flag raised, reported as handled. Every other
// notification (Ctrl+C, Ctrl+Break) is declined, so the system's default ends the run.
BOOL WINAPI controlHandler(DWORD notification);

// Installs the handler once and registers its removal as an end action.
void installControlHandlerOnce();

// True once per close request raised since the last call.
bool takeCloseRequest();

}  // namespace zemlar::platform::win32
