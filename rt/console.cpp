#include "rt/console.hpp"

namespace zemlar::Console {

namespace {

class ConsoleDevice final : public PrintDevice {
 public:
  ConsoleDevice() {
    width = platform::consoleWidth();
    column = platform::consoleStartColumn();
    if (width != 0) column %= width;
  }
  bool writeBytes(std::string_view bytes) override {
    platform::consoleWrite(bytes);
    return true;
  }
};

// Measured at the first print of the run and kept until the end.
ConsoleDevice& device() {
  static ConsoleDevice instance;
  return instance;
}

}  // namespace

void print(std::string_view text, Sep sep) { printItem(device(), text, sep); }
void printInt(int32_t n, Sep sep) { printNumber(device(), n, sep); }
void endLine() { printItem(device(), {}, Sep::EndLine); }

void write(std::string_view bytes) {
  if (!bytes.empty()) platform::consoleWrite(bytes);
}
void flushPendingAdvance() { platform::consoleFlushPendingAdvance(); }

void locate(int row, int col, int cursorVisible) {
  if (platform::consoleLocate(row, col, cursorVisible) && col != 0) device().column = col - 1;
}

platform::CellPosition cursorPosition() { return platform::consoleCursorPosition(); }
platform::ConsoleSize size() { return platform::consoleSize(); }
void beep() { platform::consoleBeep(); }
int32_t column() { return device().column; }

}  // namespace zemlar::Console
