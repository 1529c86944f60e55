#pragma once
// Small UTF-8 helpers shared by the codecs.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zemlar::convertcp::utf8 {

inline constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the character that starts with the lead byte of valid UTF-8.
inline std::size_t sequenceLength(unsigned char lead) {
  return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// The code point of the valid character at `p` of `length` bytes.
inline char32_t codePointAt(const unsigned char* p, std::size_t length) {
  switch (length) {
    case 1: return p[0];
    case 2: return (char32_t(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
    case 3: return (char32_t(p[0] & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    default:
      return (char32_t(p[0] & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) | (char32_t(p[2] & 0x3F) << 6) |
             (p[3] & 0x3F);
  }
}

}  // namespace zemlar::convertcp::utf8
