// Keys on the Windows console: the input records through the portable key translation,
// or, when standard input is not a console, scripted input line by line.
#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "rt/key_queue.hpp"
#include "rt/key_translate.hpp"
#include "rt/platform.hpp"
#include "rt/script_lines.hpp"
#include "rt/win32/console_handles.hpp"
#include "rt/win32/control_handler.hpp"
#include "rt/win32/key_record.hpp"

namespace zemlar::platform {

namespace {

constexpr KeyCode kCloseKey = keys::kClose;

// The Alt composition value lives as long as the keyboard does.
KeyEventDrain& eventDrain() {
  static KeyEventDrain drain;
  return drain;
}

// Moves the console's pending input records into the queue, one record at a time.
void drainConsoleRecords(HANDLE input, KeyQueue& queue) {
  INPUT_RECORD record{};
  DWORD count = 0;
  while (PeekConsoleInputA(input, &record, 1, &count) && count == 1) {
    if (!ReadConsoleInputA(input, &record, 1, &count) || count != 1) return;
    if (record.EventType == KEY_EVENT) eventDrain().take(win32::keyEventFromRecord(record.Event.KeyEvent), queue);
  }
}

// Scripted input: the standard input pipe or file as it comes; 0 at its end (a closed
// pipe too).
std::size_t readStandardInput(char* into, std::size_t room) {
  DWORD n = 0;
  if (!ReadFile(win32::consoleHandles().input, into, static_cast<DWORD>(room), &n, nullptr)) return 0;
  return n;
}

ScriptLines& scriptInput() {
  static ScriptLines input(readStandardInput);
  return input;
}

}  // namespace

bool inputIsConsole() { return win32::consoleHandles().inputIsConsole; }

void drainKeyEvents(KeyQueue& queue) {
  win32::installControlHandlerOnce();
  if (win32::takeCloseRequest()) queue.push(kCloseKey);
  const win32::ConsoleHandles& handles = win32::consoleHandles();
  if (handles.inputIsConsole) drainConsoleRecords(handles.input, queue);
}

// The console input handle is signalled while records wait.
void waitForInput(int timeoutMs) {
  const win32::ConsoleHandles& handles = win32::consoleHandles();
  if (handles.inputIsConsole) {
    WaitForSingleObject(handles.input, static_cast<DWORD>(std::max(timeoutMs, 0)));
  } else {
    Sleep(static_cast<DWORD>(std::max(timeoutMs, 0)));
  }
}

bool readInputLine(std::string& line) { return scriptInput().nextLine(line); }

}  // namespace zemlar::platform
