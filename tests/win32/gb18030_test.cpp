// convertcp's GB18030 through the code page API. Wine has no code page 54936
// (IsValidCodePage(54936) is false there): the test is skipped where the system lacks it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tools/convertcp/codec.hpp"

namespace zemlar::convertcp {
namespace {

TEST(Gb18030OnWindows, TwoAndFourByteCharactersRoundTripThroughUtf8) {
  if (!IsValidCodePage(54936)) GTEST_SKIP() << "this system has no code page 54936";
  const std::string gb = "a\xD6\xD0\x95\x32\x82\x36z";  // a, U+4E2D, U+20000, z
  const std::string utf8 = "a\xE4\xB8\xAD\xF0\xA0\x80\x80z";
  ByteBuffer decoded;
  EXPECT_EQ(makeGb18030Decoder()->decode(gb, true, decoded), gb.size());
  EXPECT_EQ(std::string(decoded.view()), utf8);
  ByteBuffer encoded;
  makeGb18030Encoder()->encode(utf8, encoded);
  EXPECT_EQ(std::string(encoded.view()), gb);
}

}  // namespace
}  // namespace zemlar::convertcp
