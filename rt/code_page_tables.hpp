#pragma once
// The single-byte Windows code pages 1250-1258 as data: each byte's character in UTF-8.
// convertcp and the POSIX console share these tables, so both show a byte alike.
#include <array>
#include <cstdint>
#include <string_view>

namespace zemlar::codepages {

struct Utf8Entry {
  uint8_t length = 0;  // 0: the code page does not define the byte
  std::array<char, 3> bytes{};
  std::string_view view() const { return {bytes.data(), length}; }
};
using SingleByteTable = std::array<Utf8Entry, 256>;

// The table of code page 1250-1258, or nullptr for any other number.
const SingleByteTable* singleByteTable(int codePage);

// The byte of a single-byte code page for a Unicode code point, or -1 when it has none.
int byteForCodePoint(int codePage, char32_t codePoint);

}  // namespace zemlar::codepages
