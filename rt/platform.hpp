#pragma once
// The one interface between the portable runtime and a platform backend.
// rt/posix/ and rt/win32/ each implement every function declared here; the build
// picks the folder. Stages never call these directly: they use rt/console.hpp,
// rt/keyboard.hpp, rt/textfile.hpp and rt/process.hpp.
#include <cstdint>
#include <string>
#include <string_view>

namespace zemlar {
class KeyQueue;
}

namespace zemlar::platform {

struct CellPosition {
  int row = 0;  // 1-based row within the window
  int col = 0;  // 1-based column
  friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

struct ConsoleSize {
  int cols = 80;
  int rows = 25;
  friend bool operator==(const ConsoleSize&, const ConsoleSize&) = default;
};

// ---- console output (the console driver) --------------------------------------
// The driver is set up at its first use: it measures the console then.
bool outputIsConsole();
int consoleWidth();          // buffer width, or 80 when standard output is not a console
int consoleStartColumn();    // 0-based cursor column at the first use
void consoleWrite(std::string_view bytes);  // places bytes at the cursor
void consoleFlushPendingAdvance();
// Returns true when the column was applied (col in range), so the print column follows.
bool consoleLocate(int row, int col, int cursorVisible);
CellPosition consoleCursorPosition();  // (0, 0) when not a console
ConsoleSize consoleSize();             // (80, 25) when not a console
void consoleBeep();

// ---- keyboard --------------------------------------------------------------------
bool inputIsConsole();
// Moves every pending key event into the queue; never waits.
void drainKeyEvents(KeyQueue& queue);
// Sleeps until input may be waiting or timeoutMs passed; never burns a processor.
void waitForInput(int timeoutMs);
// Scripted input (standard input is not a console): reads the next line of standard
// input without its line end; false at the end of input.
bool readInputLine(std::string& line);

// ---- files -----------------------------------------------------------------------
// The name to hand to the C runtime for a program file name ('\' separated).
std::string nativePath(std::string_view name);

// ---- process ---------------------------------------------------------------------
int runCommandLine(std::string_view commandLine);  // never given an empty line
// Puts the console back as the program found it (terminal modes, cursor); safe to
// call more than once.
void restoreConsole();

}  // namespace zemlar::platform
