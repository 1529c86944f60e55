#pragma once
// How the cells of a console row look on a UTF-8 terminal under the console code page.
// Each byte of a row is one cell; a character of several bytes (54936, 65001) spans
// as many cells. Nothing a row holds can reach the terminal as a control byte: bytes
// the code page does not define, and control characters, show as '?'.
#include <string>
#include <string_view>

namespace zemlar::posix {

inline constexpr char kUnshownGlyph = '?';

// The terminal text for cells [from, to) of one row.
struct ShownCells {
  int from = 0;      // first cell shown: moved back to the start of a character cut at `from`
  int to = 0;        // end of the cells shown: moved on to the end of a character cut at `to`
  std::string text;  // UTF-8, exactly (to - from) terminal cells wide, padded with spaces
};

ShownCells showCells(std::string_view rowCells, int from, int to, int codePage);

// Cells a code point takes on a terminal: 2 for East Asian wide characters, else 1.
int terminalWidth(char32_t codePoint);

}  // namespace zemlar::posix
