#include "rt/posix/console_transcode.hpp"

#include <gtest/gtest.h>

#include <string>

namespace zemlar::posix {
namespace {

struct ShowCase {
  const char* name;
  int codePage;
  std::string row;
  int from, to;
  int shownFrom, shownTo;
  std::string text;
};

class ShowCellsTable : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowCellsTable, TextAndCells) {
  const ShowCase& c = GetParam();
  const ShownCells shown = showCells(c.row, c.from, c.to, c.codePage);
  EXPECT_EQ(shown.from, c.shownFrom);
  EXPECT_EQ(shown.to, c.shownTo);
  EXPECT_EQ(shown.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Transcode, ShowCellsTable,
    ::testing::Values(
        ShowCase{"ascii_passes", 1251, "abc  ", 0, 3, 0, 3, "abc"},
        ShowCase{"cp1251_letters", 1251, "\xCF\xF0\xE8\xE2\xE5\xF2", 0, 6, 0, 6,
                 "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},
        ShowCase{"cp1251_ya_byte_255", 1251, "\xFF", 0, 1, 0, 1, "\xD1\x8F"},
        ShowCase{"cp1251_part_of_a_row", 1251, "ab\xC0", 2, 3, 2, 3, "\xD0\x90"},
        ShowCase{"cp1252_euro", 1252, "\x80", 0, 1, 0, 1, "\xE2\x82\xAC"},
        ShowCase{"cp1252_undefined_byte", 1252, "\x81", 0, 1, 0, 1, "?"},
        ShowCase{"escape_byte_is_not_sent", 1251, "a\x1b[2Jb", 0, 6, 0, 6, "a?[2Jb"},
        ShowCase{"control_bytes", 1250, std::string("\x00\x01\x0b\x0c\x7f", 5), 0, 5, 0, 5, "?????"},
        ShowCase{"utf8_two_bytes_two_cells", 65001, "\xC3\xA9x", 0, 3, 0, 3, "\xC3\xA9x "},
        ShowCase{"utf8_cut_start_moves_back", 65001, "a\xC3\xA9", 2, 3, 1, 3, "\xC3\xA9 "},
        ShowCase{"utf8_cut_end_moves_on", 65001, "a\xC3\xA9", 0, 2, 0, 3, "a\xC3\xA9 "},
        ShowCase{"utf8_wide_character", 65001, "\xE4\xBD\xA0", 0, 3, 0, 3, "\xE4\xBD\xA0 "},
        ShowCase{"utf8_invalid_byte", 65001, "\xFF" "a", 0, 2, 0, 2, "?a"},
        ShowCase{"utf8_lone_lead_byte", 65001, "\xC3", 0, 1, 0, 1, "?"},
        ShowCase{"utf8_overlong", 65001, "\xC0\xAF", 0, 2, 0, 2, "??"},
        ShowCase{"utf8_c1_control", 65001, "\xC2\x9B" "1m", 0, 4, 0, 4, "?1m "},
        ShowCase{"gb18030_two_byte_character", 54936, "\xC4\xE3" "a", 0, 3, 0, 3, "\xE4\xBD\xA0" "a"},
        ShowCase{"gb18030_trail_rewritten", 54936, "\xC4\xE3", 1, 2, 0, 2, "\xE4\xBD\xA0"},
        ShowCase{"gb18030_lone_lead_byte", 54936, "a\xC4", 0, 2, 0, 2, "a?"},
        ShowCase{"gb18030_invalid_byte", 54936, "\x80" "a", 0, 2, 0, 2, "?a"},
        ShowCase{"gb18030_escape_trail_is_not_a_character", 54936, "\xC4\x1b", 0, 2, 0, 2, "??"}),
    [](const auto& info) { return std::string(info.param.name); });

// No byte of any row, under any console code page, may reach the terminal as a
// control character: that would let a list of addresses drive the user's terminal.
TEST(Transcode, NoCodePageLetsControlCharactersThrough) {
  for (const int codePage : {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 54936, 65001}) {
    for (int lead = 0; lead < 256; ++lead) {
      for (const int trail : {0x1b, 0x9b, 0x41, 0x80}) {
        const std::string row{static_cast<char>(lead), static_cast<char>(trail)};
        const std::string text = showCells(row, 0, 2, codePage).text;
        for (size_t i = 0; i < text.size(); ++i) {
          const auto b = static_cast<unsigned char>(text[i]);
          ASSERT_FALSE(b < 0x20 || b == 0x7f) << codePage << " lead " << lead << " trail " << trail;
          const bool c1 = b == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
                          static_cast<unsigned char>(text[i + 1]) >= 0x80;
          ASSERT_FALSE(c1) << codePage << " lead " << lead << " trail " << trail;
        }
      }
    }
  }
}

TEST(Transcode, ShownTextFillsExactlyTheCells) {
  // Every single-byte page shows one byte as one cell: a row of all 256 bytes is 256
  // glyphs of width 1 (the pages define no wide characters).
  std::string row;
  for (int b = 0; b < 256; ++b) row.push_back(static_cast<char>(b));
  for (const int codePage : {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258}) {
    const ShownCells shown = showCells(row, 0, 256, codePage);
    EXPECT_EQ(shown.from, 0);
    EXPECT_EQ(shown.to, 256);
    size_t glyphs = 0;
    for (const char c : shown.text) glyphs += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    EXPECT_EQ(glyphs, 256u) << codePage;
  }
}

}  // namespace
}  // namespace zemlar::posix
