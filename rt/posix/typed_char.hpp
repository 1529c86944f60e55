#pragma once
// A character typed on a UTF-8 terminal, as the bytes it has in the console code page.
#include <string>

namespace zemlar::posix {

inline constexpr char kNoSuchCharacter = '?';

// The bytes of codePoint in codePage: one byte for a single-byte page, the GB18030
// bytes for 54936, UTF-8 for 65001; "?" when the page has no such character.
std::string typedCharacterBytes(char32_t codePoint, int codePage);

}  // namespace zemlar::posix
