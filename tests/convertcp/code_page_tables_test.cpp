#include <gtest/gtest.h>

#include <string>

#include "support/iconv_reference.hpp"
#include "rt/code_page_tables.hpp"

using namespace zemlar::codepages;
using zemlar::test::iconvConvert;

namespace {

constexpr int kPages[] = {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

std::string iconvName(int page) { return "CP" + std::to_string(page); }

// UTF-8 of one character back to its code point (the tables hold at most three bytes).
char32_t codePointOf(std::string_view utf8) {
  const auto b = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(utf8[i])); };
  if (utf8.size() == 1) return b(0);
  if (utf8.size() == 2) return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
  return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
}

TEST(CodePageTables, EveryByteOfEveryPageMatchesIconv) {
  for (int page : kPages) {
    const SingleByteTable* table = singleByteTable(page);
    ASSERT_NE(table, nullptr) << page;
    for (int byte = 0; byte < 256; ++byte) {
      const std::string one(1, static_cast<char>(byte));
      const auto expected = iconvConvert(one, iconvName(page).c_str(), "UTF-8");
      const Utf8Entry& entry = (*table)[byte];
      if (expected) {
        EXPECT_EQ(entry.view(), *expected) << "code page " << page << " byte " << byte;
      } else {
        EXPECT_EQ(entry.length, 0) << "code page " << page << " byte " << byte << " should be undefined";
      }
      if (byte < 0x80) {
        EXPECT_EQ(entry.view(), one) << "code page " << page << " byte " << byte;
      }
    }
  }
}

TEST(CodePageTables, KnownUndefinedBytes) {
  const struct { int page; int byte; } undefined[] = {
      {1250, 0x81}, {1251, 0x98}, {1252, 0x81}, {1252, 0x9D}, {1253, 0xAA}, {1255, 0xCA}, {1257, 0xA1}};
  for (const auto& c : undefined) EXPECT_EQ((*singleByteTable(c.page))[c.byte].length, 0) << c.page << " " << c.byte;
}

TEST(CodePageTables, ReverseMappingGivesBackEveryDefinedByte) {
  for (int page : kPages) {
    const SingleByteTable& table = *singleByteTable(page);
    for (int byte = 0; byte < 256; ++byte) {
      if (table[byte].length == 0) continue;
      EXPECT_EQ(byteForCodePoint(page, codePointOf(table[byte].view())), byte) << page << " " << byte;
    }
  }
}

TEST(CodePageTables, CharactersAPageLacksHaveNoByte) {
  const struct { int page; char32_t codePoint; } missing[] = {
      {1252, U'Ж'}, {1251, U'é'}, {1253, U'Ж'}, {1250, U'€' + 1}, {1258, U'中'}, {1251, 0xFFFD}, {1256, 0x10000}};
  for (const auto& c : missing) EXPECT_EQ(byteForCodePoint(c.page, c.codePoint), -1) << c.page;
  EXPECT_EQ(byteForCodePoint(1251, U'Ж'), 0xC6);
  EXPECT_EQ(byteForCodePoint(1252, U'€'), 0x80);
}

TEST(CodePageTables, OnlyPages1250To1258HaveTables) {
  for (int page : {0, 437, 1249, 1259, 54936, 65001}) {
    EXPECT_EQ(singleByteTable(page), nullptr) << page;
    EXPECT_EQ(byteForCodePoint(page, U'A'), -1) << page;
  }
}

}  // namespace
