#pragma once
// The standard handles of the run, fetched once at the first console use. That first
// use also switches the processed-input mode on when standard input is a console, so
// Ctrl+C and Ctrl+Break reach the system instead of arriving as keys. The mode is left
// on at the end.
#include <windows.h>

namespace zemlar::platform::win32 {

struct ConsoleHandles {
  HANDLE input = INVALID_HANDLE_VALUE;
  HANDLE output = INVALID_HANDLE_VALUE;
  bool inputIsConsole = false;
};

const ConsoleHandles& consoleHandles();

}  // namespace zemlar::platform::win32
