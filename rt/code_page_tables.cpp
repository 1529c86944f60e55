#include "rt/code_page_tables.hpp"

#include <algorithm>
#include <utility>

#include "rt/code_page_data.hpp"

namespace zemlar::codepages {

namespace {

Utf8Entry utf8Entry(char32_t cp) {
  Utf8Entry entry;
  auto put = [&entry](unsigned value) { entry.bytes[entry.length++] = static_cast<char>(value); };
  if (cp < 0x80) {
    put(cp);
  } else if (cp < 0x800) {
    put(0xC0 | (cp >> 6));
    put(0x80 | (cp & 0x3F));
  } else {
    put(0xE0 | (cp >> 12));
    put(0x80 | ((cp >> 6) & 0x3F));
    put(0x80 | (cp & 0x3F));
  }
  return entry;
}

SingleByteTable buildTable(const HighHalf& high) {
  SingleByteTable table;
  for (unsigned byte = 0; byte < 0x80; ++byte) table[byte] = utf8Entry(byte);
  for (unsigned byte = 0x80; byte < 0x100; ++byte)
    if (const char32_t cp = high[byte - 0x80]; cp != 0) table[byte] = utf8Entry(cp);
  return table;
}

// The defined high bytes of one page sorted by code point, for a binary search.
struct ReverseEntry {
  char32_t codePoint;
  uint8_t byte;
};
struct ReverseTable {
  std::array<ReverseEntry, 128> entries{};
  std::size_t size = 0;
};

ReverseTable buildReverse(const HighHalf& high) {
  ReverseTable reverse;
  for (unsigned byte = 0x80; byte < 0x100; ++byte)
    if (const char32_t cp = high[byte - 0x80]; cp != 0)
      reverse.entries[reverse.size++] = {cp, static_cast<uint8_t>(byte)};
  std::sort(reverse.entries.begin(), reverse.entries.begin() + reverse.size,
            [](const ReverseEntry& a, const ReverseEntry& b) { return a.codePoint < b.codePoint; });
  return reverse;
}

template <typename T, typename Build>
std::array<T, kSingleByteCodePageCount> buildAll(Build build) {
  std::array<T, kSingleByteCodePageCount> all;
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = build(kHighHalves[i]);
  return all;
}

int pageIndex(int codePage) {
  const int index = codePage - kFirstSingleByteCodePage;
  return index >= 0 && index < static_cast<int>(kSingleByteCodePageCount) ? index : -1;
}

}  // namespace

const SingleByteTable* singleByteTable(int codePage) {
  static const auto tables = buildAll<SingleByteTable>(buildTable);
  const int index = pageIndex(codePage);
  return index < 0 ? nullptr : &tables[index];
}

int byteForCodePoint(int codePage, char32_t codePoint) {
  static const auto reverseTables = buildAll<ReverseTable>(buildReverse);
  const int index = pageIndex(codePage);
  if (index < 0) return -1;
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  const ReverseTable& reverse = reverseTables[index];
  const auto end = reverse.entries.begin() + reverse.size;
  const auto found = std::lower_bound(reverse.entries.begin(), end, codePoint,
                                      [](const ReverseEntry& e, char32_t cp) { return e.codePoint < cp; });
  return found != end && found->codePoint == codePoint ? found->byte : -1;
}

}  // namespace zemlar::codepages
