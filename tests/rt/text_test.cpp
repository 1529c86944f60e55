#include <gtest/gtest.h>

#include <string>

#include "rt/text.hpp"

using namespace zemlar;
using namespace std::string_literals;

namespace {

struct MidCase { int start; int length; const char* expected; };

TEST(Mid, CutsBytesByOneBasedStartAndLength) {
  const std::string text = "abcdef";
  const MidCase cases[] = {
      {1, 3, "abc"}, {3, -1, "cdef"}, {3, -5, "cdef"}, {5, 10, "ef"}, {6, 1, "f"},
      {7, 1, ""},    {0, 3, ""},      {-2, 3, ""},     {1, 0, ""},    {4, 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(mid(text, c.start, c.length), c.expected) << "start " << c.start << " length " << c.length;
  EXPECT_EQ(mid(text, 3), "cdef");
  EXPECT_EQ(mid("Windows-54936", 9), "54936");
  EXPECT_EQ(mid("", 1, 5), "");
}

TEST(Instr, FindsTheLeftmostOccurrenceAtOrAfterStart) {
  const std::string text = "xxabcdabcdyy";  // "abcd" at 3 and 7
  const std::pair<int, int> cases[] = {{1, 3}, {3, 3}, {4, 7}, {7, 7}, {8, 0}, {10, 0}, {13, 0}, {0, 0}, {-1, 0}};
  for (const auto& [start, expected] : cases) EXPECT_EQ(instr(start, text, "abcd"), expected) << start;
}

TEST(Instr, EdgeCases) {
  EXPECT_EQ(instr(1, "abc", ""), 0);
  EXPECT_EQ(instr(1, "", "a"), 0);
  EXPECT_EQ(instr(3, "abc", "c"), 3);
  EXPECT_EQ(instr(1, "ab", "abc"), 0);
  EXPECT_EQ(instr(1, "xaaa", "aa"), 2);  // overlapping occurrences: the first one
  EXPECT_EQ(instr(1, "HTTP://A", "http"), 0);
  EXPECT_EQ(instr(1, "a\0http"s, "http"), 3);  // a zero byte is an ordinary byte
}

TEST(Trim, RemovesSpacesAndTrailingZeroBytesOnly) {
  const std::pair<std::string, std::string> cases[] = {
      {"  word  ", "word"},
      {"    ", ""},
      {"", ""},
      {"word\0\0"s, "word"},
      {"word \0 \0"s, "word"},
      {"\0  word"s, "\0  word"s},
      {"\tword\t", "\tword\t"},
      {"  two   words  ", "two   words"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(trim(text), expected);
}

TEST(Ltrim, RemovesLeadingSpacesOnly) {
  EXPECT_EQ(ltrim("   a b  "), "a b  ");
  EXPECT_EQ(ltrim("    "), "");
  EXPECT_EQ(ltrim("\t a"), "\t a");
  EXPECT_EQ(ltrim("\0 a"s), "\0 a"s);
}

TEST(Lcase, FoldsOnlyAToZ) {
  EXPECT_EQ(lcase("HTTP://WWW.Example.TEST/Ab[]@"), "http://www.example.test/ab[]@");
  const std::string high = "\xC0\xD1\xDF\xFF";  // capitals of code pages above 127 stay
  EXPECT_EQ(lcase(high), high);
}

TEST(Spaces, GivesNSpacesOrNothing) {
  EXPECT_EQ(spaces(4), "    ");
  EXPECT_EQ(spaces(1), " ");
  EXPECT_EQ(spaces(0), "");
  EXPECT_EQ(spaces(-3), "");
}

TEST(CompareText, OrdersBytesUnsignedThenByLength) {
  struct Case { std::string a, b; int expected; };
  const Case cases[] = {
      {"1", "1", 0}, {"", "", 0}, {"", "1", -1}, {"1 ", "1", 1},
      {"a", "b", -1}, {"\xFF", "a", 1}, {"ab", "abc", -1}, {"A", "a", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(compareText(c.a, c.b), c.expected) << c.a << "|" << c.b;
}

}  // namespace
