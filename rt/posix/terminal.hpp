#pragma once
// The POSIX terminal: set up at the first console use, restored at every end.
#include <string>

namespace zemlar::posix {

struct TerminalInfo {
  bool outputIsTerminal = false;  // standard output is a terminal: the driver places bytes
  bool inputIsTerminal = false;   // standard input is a terminal in raw mode: keys are decoded
  int cols = 80;                  // window width = buffer width
  int rows = 25;                  // window height
  int cursorRow = 0;              // 0-based cursor at set-up (bottom row when unknown)
  int cursorCol = 0;
};

// Sets the terminal up on the first call (raw input without echo, ISIG kept,
// auto-wrap off, size and cursor measured, restore handlers installed).
const TerminalInfo& terminal();

// Puts termios, auto-wrap and cursor visibility back; async-signal-safe, idempotent.
void restoreTerminal();

// True once after the terminal hung up (SIGHUP): the key source queues the close key.
bool takeHangup();

// Bytes that arrived on standard input while the set-up waited for the cursor report.
std::string takeEarlyInput();

}  // namespace zemlar::posix
