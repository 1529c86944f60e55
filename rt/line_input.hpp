#pragma once
// Prompted line entry: begin shows the prompt and lets the user type and edit one line;
// a read then takes the next item of that line.
#include <cstdint>
#include <string>
#include <string_view>

namespace zemlar::LineInput {

// Prints the prompt (and "? " when questionMark is set), edits one line, ends the
// console line. With scripted input it prints nothing and takes the next input line.
void begin(std::string_view prompt, bool questionMark);
// The next item as a number (0 when it holds none).
int32_t readInt();
// The next item as text, at most 4096 bytes.
std::string readText();

}  // namespace zemlar::LineInput
