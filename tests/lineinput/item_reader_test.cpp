// The item reader and the number conversion of typed lines.
#include "rt/item_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zemlar {
namespace {

struct IntCase {
  std::string line;
  int32_t expected;
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class ReadIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(ReadIntTest, ConvertsFirstItem) {
  ItemReader reader(GetParam().line);
  EXPECT_EQ(reader.readInt(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(TypedLines, ReadIntTest, ::testing::Values(
    IntCase{"  3", 3}, IntCase{"3.7", 4}, IntCase{"2.5", 2}, IntCase{"3.5", 4},
    IntCase{"-2", -2}, IntCase{"12abc", 12}, IntCase{"&h10", 16}, IntCase{"&b101", 5},
    IntCase{"abc", 0}, IntCase{"", 0}, IntCase{"1e1", 10}, IntCase{"1.5d1", 15},
    IntCase{"12 34", 12}, IntCase{"1,2", 1}, IntCase{"\"12\"", 12},
    IntCase{"1e10", -2147483648}, IntCase{"4294967295", -1}));

INSTANTIATE_TEST_SUITE_P(Rounding, ReadIntTest, ::testing::Values(
    IntCase{"-2.5", -2}, IntCase{"-3.5", -4}, IntCase{"0.5", 0}, IntCase{"1.5", 2},
    IntCase{"-0.4", 0}, IntCase{"2.5000001", 3}, IntCase{"1.5D0", 2}, IntCase{"25e-1", 2},
    IntCase{".5", 0}, IntCase{"+7.6", 8}, IntCase{"7.", 7}, IntCase{"1e", 1},
    IntCase{"3e+1", 30}, IntCase{".", 0}, IntCase{"-.e5", 0}));

INSTANTIATE_TEST_SUITE_P(FloatingRange, ReadIntTest, ::testing::Values(
    IntCase{"2147483647.4", 2147483647}, IntCase{"2147483647.5", -2147483648},
    IntCase{"-2147483648.5", -2147483648}, IntCase{"2147483648.4", -2147483648},
    IntCase{"1e400", -2147483648}, IntCase{"-1e400", -2147483648}, IntCase{"1e-400", 0},
    IntCase{"0.000000000000000000000000000000000000000000000000000001e-300", 0}));

INSTANTIATE_TEST_SUITE_P(Prefixed, ReadIntTest, ::testing::Values(
    IntCase{"&H1f", 31}, IntCase{"&HFFFFFFFF", -1}, IntCase{"&h100000001", 1},
    IntCase{"&o17", 15}, IntCase{"&O8", 0}, IntCase{"&17", 15}, IntCase{"&x1", 0},
    IntCase{"&B11102", 14}, IntCase{"&h", 0}, IntCase{"&", 0}, IntCase{"&h1.5", 1},
    IntCase{"&hDE", 222}, IntCase{"&377777777777", -1}));

INSTANTIATE_TEST_SUITE_P(Decimal, ReadIntTest, ::testing::Values(
    IntCase{"2147483647", 2147483647}, IntCase{"2147483648", -2147483648},
    IntCase{"4294967296", -1}, IntCase{"99999999999999999999999", -1},
    IntCase{"-4294967295", 1}, IntCase{"-1", -1}, IntCase{"-2147483648", -2147483648},
    IntCase{"-99999999999", -1}, IntCase{"+5", 5}, IntCase{"-", 0}, IntCase{"--5", 0},
    IntCase{"007", 7}, IntCase{"\"  42\"", 42}));

TEST(ReadIntTest, NumberItemStopsAt67Bytes) {
  ItemReader reader(std::string(66, '0') + "12");
  EXPECT_EQ(reader.readInt(), 1);   // 66 zeros and the 1
  EXPECT_EQ(reader.readInt(), 2);   // the cut-off remainder is the next item
}

TEST(ReadIntTest, ReadsWithoutLineGiveZero) {
  ItemReader reader;
  EXPECT_EQ(reader.readInt(), 0);
  EXPECT_EQ(reader.readText(), "");
}

struct TextCase {
  std::string line;
  std::vector<std::string> items;  // successive readText results
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class ReadTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReadTextTest, SplitsItems) {
  ItemReader reader(GetParam().line);
  for (const std::string& expected : GetParam().items) EXPECT_EQ(reader.readText(), expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, ReadTextTest, ::testing::Values(
    TextCase{"  red shoes  , blue", {"red shoes  ", "blue", ""}},
    TextCase{"\"a, b\" c", {"a, b", "c"}},
    TextCase{"ab\"cd", {"ab\"cd"}},
    TextCase{"\"\",x", {"", "x"}},
    TextCase{"\"open quote, comma", {"open quote, comma", ""}},
    TextCase{"one\r\ntwo", {"one", "two"}},
    TextCase{"one\rtwo", {"one", "two"}},
    TextCase{"one\ntwo", {"one", "two"}},
    TextCase{"\"q\"  ,  next", {"q", "next"}},
    TextCase{"\"q\"\r\nnext", {"q", "next"}},
    TextCase{"\"q\" \rnext", {"q", "next"}},
    TextCase{"Dd&.Ee", {"Dd&.Ee"}},
    TextCase{"tab\tinside", {"tab\tinside"}},
    TextCase{std::string("\xff\xe0 \xff", 4), {std::string("\xff\xe0 \xff", 4)}},
    TextCase{std::string("a\0b", 3), {std::string("a\0b", 3)}}));

TEST(ReadTextTest, TextItemStopsAt4096Bytes) {
  const std::string line = std::string(4096, 'x') + "yz";
  ItemReader reader(line);
  EXPECT_EQ(reader.readText(), std::string(4096, 'x'));
  EXPECT_EQ(reader.readText(), "yz");
}

TEST(ReadTextTest, CutAtLimitConsumesFollowingComma) {
  ItemReader reader(std::string(4096, 'x') + "  ,rest");
  EXPECT_EQ(reader.readText().size(), 4096u);
  EXPECT_EQ(reader.readText(), "rest");
}

struct NumberItemCase {
  std::string line;
  std::string bytes;
  bool floating;
};

void PrintTo(const NumberItemCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }

class NumberItemTest : public ::testing::TestWithParam<NumberItemCase> {};

TEST_P(NumberItemTest, CollectsAndMarks) {
  ItemReader reader(GetParam().line);
  const Item item = reader.nextItem(kNumberItemLimit, ItemKind::Number);
  EXPECT_EQ(item.bytes, GetParam().bytes);
  EXPECT_EQ(item.floating, GetParam().floating);
}

INSTANTIATE_TEST_SUITE_P(Items, NumberItemTest, ::testing::Values(
    NumberItemCase{"1.5d1", "1.5e1", true}, NumberItemCase{"2D3", "2E3", true},
    NumberItemCase{"&hd", "&hd", false}, NumberItemCase{"&h1.e", "&h1.e", false},
    NumberItemCase{"1.&", "1.&", true}, NumberItemCase{"\"1 2\"3 4", "1 23", false},
    NumberItemCase{"\t 7\t8", "7", false}, NumberItemCase{"\"1\"\"2\"", "1\"2\"", false}));

}  // namespace
}  // namespace zemlar
