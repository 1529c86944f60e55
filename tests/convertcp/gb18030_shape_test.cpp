#include <gtest/gtest.h>

#include <string>

#include "tools/convertcp/gb18030_shape.hpp"

using namespace zemlar::convertcp;

namespace {

TEST(Gb18030Shape, CharacterAtTheStart) {
  const struct {
    std::string bytes;
    Gb18030Shape shape;
    std::size_t length;
  } cases[] = {
      {"a\xD6", Gb18030Shape::Complete, 1},
      {"\xD6\xD0z", Gb18030Shape::Complete, 2},          // 中
      {"\x81\x40", Gb18030Shape::Complete, 2},
      {"\x95\x32\x82\x36z", Gb18030Shape::Complete, 4},  // U+20000
      {"\xD6", Gb18030Shape::Unfinished, 1},
      {"\x95\x32", Gb18030Shape::Unfinished, 1},
      {"\x95\x32\x82", Gb18030Shape::Unfinished, 1},
      {"\x80", Gb18030Shape::Invalid, 1},
      {"\xFF\x40", Gb18030Shape::Invalid, 1},
      {"\xD6\x7F", Gb18030Shape::Invalid, 1},
      {"\xD6\xFF", Gb18030Shape::Invalid, 1},
      {"\x95\x32\x30", Gb18030Shape::Invalid, 1},
      {"\x95\x32\x82\x81", Gb18030Shape::Invalid, 1},
  };
  for (const auto& c : cases) {
    const Gb18030Character character = gb18030CharacterAt(c.bytes);
    EXPECT_EQ(character.shape, c.shape) << testing::PrintToString(c.bytes);
    EXPECT_EQ(character.length, c.length) << testing::PrintToString(c.bytes);
  }
}

}  // namespace
