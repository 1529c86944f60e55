#pragma once
// The POSIX terminal: set up at the first console use, restored at every end.
#include <optional>
#include <string>
#include <string_view>

namespace zemlar::posix {

struct TerminalInfo {
  bool outputIsTerminal = false;  // standard output is a terminal: the driver places bytes
  bool inputIsTerminal = false;   // standard input is a terminal in raw mode: keys are decoded
  int cols = 80;                  // window width = buffer width
  int rows = 25;                  // window height
  int cursorRow = 0;              // 0-based cursor at set-up (bottom row when unknown)
  int cursorCol = 0;
  bool cursorMeasured = false;    // the terminal reported the cursor (else assumed)
};

// Sets the terminal up on the first call (raw input without echo, ISIG kept,
// auto-wrap off, size and cursor measured, restore handlers installed).
// Raw input: ICANON, ECHO, IEXTEN, ICRNL and IXON off (Enter arrives as 13), VMIN 1 and
// VTIME 0, so poll() before read() never blocks; output processing is left as it was.
// A hang-up restores what it can and sets the flag of takeHangup(); if the program
// has not ended 2 seconds later (it was not polling keys), SIGHUP is raised again
// with its default action.
const TerminalInfo& terminal();

// Puts termios, auto-wrap and cursor visibility back; async-signal-safe, idempotent.
void restoreTerminal();

// True once after the terminal hung up (SIGHUP): the key source queues the close key.
bool takeHangup();

// True once after the program continued from a suspension (Ctrl+Z): the screen may
// have changed meanwhile, so the driver no longer trusts where the cursor is.
bool takeResumed();

// Bytes that arrived on standard input while the set-up waited for the cursor report.
std::string takeEarlyInput();

// A cursor position report "ESC [ row ; col R" found in bytes read from the terminal.
struct CursorReport {
  int row = 0;  // 1-based, as the terminal reports it
  int col = 0;
  size_t begin = 0;  // where the report lies in the bytes
  size_t end = 0;
};
std::optional<CursorReport> findCursorReport(std::string_view bytes);

}  // namespace zemlar::posix
