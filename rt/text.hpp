#pragma once
// Byte-string operations. Texts are std::string used as byte strings: positions are
// 1-based, no locale is consulted, and only the letters A-Z are case-folded.
#include <cstdint>
#include <string>
#include <string_view>

namespace zemlar {

using Text = std::string;

// -1, 0 or 1: bytes compared as unsigned values, then the shorter text is the lesser.
int compareText(std::string_view a, std::string_view b);

// Part of text from 1-based start; a negative or omitted length runs to the end.
Text mid(std::string_view text, int32_t start, int32_t length = -1);

// 1-based position of the first occurrence of pattern at or after start, or 0.
int32_t instr(int32_t start, std::string_view text, std::string_view pattern);

// Leading spaces removed; trailing spaces and zero bytes removed.
Text trim(std::string_view text);
// The same as a view into text, for callers that reuse their own buffers.
std::string_view trimmed(std::string_view text);

// Leading spaces removed.
Text ltrim(std::string_view text);

// A-Z turned into a-z; every other byte unchanged.
Text lcase(std::string_view text);
void lcaseInPlace(std::string& text);

// n spaces, or the empty text when n <= 0.
Text spaces(int32_t n);

}  // namespace zemlar
