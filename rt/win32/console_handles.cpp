#include "rt/win32/console_handles.hpp"

namespace zemlar::platform::win32 {

namespace {

ConsoleHandles openConsole() {
  ConsoleHandles handles;
  handles.input = GetStdHandle(STD_INPUT_HANDLE);
  handles.output = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (handles.input != INVALID_HANDLE_VALUE && handles.input != nullptr && GetConsoleMode(handles.input, &mode)) {
    handles.inputIsConsole = true;
    SetConsoleMode(handles.input, mode | ENABLE_PROCESSED_INPUT);
  }
  return handles;
}

}  // namespace

const ConsoleHandles& consoleHandles() {
  static const ConsoleHandles handles = openConsole();
  return handles;
}

}  // namespace zemlar::platform::win32
