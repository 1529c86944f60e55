// Keys on the Windows console: the input records through the portable key translation,
// or, when standard input is not a console, scripted input line by line.
#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "rt/key_queue.hpp"
#include "rt/key_translate.hpp"
#include "rt/platform.hpp"
#include "rt/win32/console_handles.hpp"
#include "rt/win32/control_handler.hpp"
#include "rt/win32/key_record.hpp"

namespace zemlar::platform {

namespace {

constexpr KeyCode kCloseKey = extendedKey(107);
constexpr DWORD kReadChunk = 4096;

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

// Scripted input: standard input read in chunks, handed out a line at a time. The key
// prompts and the line entry share it, so each takes the line after the last.
class ScriptInput {
 public:
  bool nextLine(std::string& line) {
    std::size_t end;
    std::size_t searchFrom = pos_;
    while ((end = buffer_.find('\n', searchFrom)) == std::string::npos) {
      searchFrom = buffer_.size() - pos_;  // counted from pos_, which fill() moves to 0
      if (!fill()) {
        if (pos_ == buffer_.size()) {
          line.clear();
          return false;
        }
        end = buffer_.size();
        break;
      }
    }
    line.assign(buffer_, pos_, end - pos_);
    pos_ = std::min(end + 1, buffer_.size());
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

 private:
  // Appends the next chunk of standard input; false at its end (a closed pipe too).
  bool fill() {
    buffer_.erase(0, pos_);
    pos_ = 0;
    std::array<char, kReadChunk> chunk;
    DWORD n = 0;
    if (ended_ || !ReadFile(win32::consoleHandles().input, chunk.data(), kReadChunk, &n, nullptr) || n == 0) {
      ended_ = true;
      return false;
    }
    buffer_.append(chunk.data(), n);
    return true;
  }

  std::string buffer_;
  std::size_t pos_ = 0;
  bool ended_ = false;
};

ScriptInput& scriptInput() {
  static ScriptInput input;
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
