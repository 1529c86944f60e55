#include "rt/line_input.hpp"

#include <cstdio>
#include <string>

#include "rt/console.hpp"
#include "rt/item_reader.hpp"
#include "rt/keyboard.hpp"
#include "rt/line_editor.hpp"
#include "rt/platform.hpp"
#include "rt/process.hpp"

namespace zemlar::LineInput {

namespace {

// The editor's view of the real console and keyboard.
class ConsoleEditorIo final : public EditorConsole {
 public:
  void write(std::string_view bytes) override { Console::write(bytes); }
  void flushPendingAdvance() override { Console::flushPendingAdvance(); }
  void locate(int row, int col, int cursorVisible) override {
    Console::locate(row, col, cursorVisible);
    if (cursorVisible >= 0) visible_ = cursorVisible == 1;
  }
  platform::CellPosition cursorPosition() override { return Console::cursorPosition(); }
  platform::ConsoleSize size() override { return Console::size(); }
  void beep() override { Console::beep(); }
  // The console offers no visibility query; the program hides the cursor only inside
  // the editor, which always shows it again, so it is visible when an entry begins.
  bool cursorVisible() override { return visible_; }
  bool keyWaiting() override { return zemlar::keyWaiting(); }
  std::string pollKey() override { return zemlar::pollKey(); }
  void waitForKey(int maxMs) override { zemlar::waitForKey(maxMs); }

 private:
  bool visible_ = true;
};

// The entered line and the read position: replaced at every begin.
ItemReader& lineState() {
  static ItemReader reader;
  return reader;
}

std::string editedLine(std::string_view prompt, bool questionMark) {
  Console::flushPendingAdvance();
  if (!prompt.empty()) Console::print(prompt, Sep::None);
  if (questionMark) Console::print("? ", Sep::None);
  ConsoleEditorIo io;
  LineEditor editor(io);
  std::string line = editor.readLine();
  Console::endLine();
  return line;
}

// Scripted runs answer each line entry with one line of standard input.
std::string scriptedLine() {
  std::string line;
  if (!platform::readInputLine(line)) {
    std::fputs("input ended\n", stderr);
    endProgram(1);
  }
  return line;
}

}  // namespace

void begin(std::string_view prompt, bool questionMark) {
  std::string line = platform::inputIsConsole() ? editedLine(prompt, questionMark) : scriptedLine();
  lineState() = ItemReader(std::move(line));
}

int32_t readInt() { return lineState().readInt(); }

std::string readText() { return lineState().readText(); }

}  // namespace zemlar::LineInput
