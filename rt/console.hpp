#pragma once
// The console device: printing items with separators, and the driver operations the
// line editor needs. Output is never buffered: every item goes out before print returns.
#include <cstdint>
#include <string_view>

#include "rt/platform.hpp"
#include "rt/print.hpp"

namespace zemlar::Console {

void print(std::string_view text, Sep sep);
void printInt(int32_t n, Sep sep);
void endLine();

// Writes bytes at the cursor through the driver alone; the print column stays.
void write(std::string_view bytes);
void flushPendingAdvance();
// row and col are 1-based, 0 keeps the current one; cursorVisible 1 show, 0 hide, -1 keep.
void locate(int row, int col, int cursorVisible);
platform::CellPosition cursorPosition();
platform::ConsoleSize size();
void beep();

// The print column of the console device (for tests and the line editor).
int32_t column();

}  // namespace zemlar::Console
