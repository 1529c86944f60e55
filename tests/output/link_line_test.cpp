#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "output/escaping.hpp"
#include "output/link_line.hpp"
#include "output/search_list_writer.hpp"
#include "rt/text.hpp"

using namespace zemlar;

namespace {

constexpr std::string_view kStart = R"(<a href="http://www.google.com/search?q=)";

// The link line built the slow way, from the plain text operations.
std::string expectedLine(std::string_view words, std::string_view inputLine) {
  const std::string address = lcase(trimmed(inputLine));
  return std::string(kStart) + queryEscape(words) + " site:" + queryEscape(address) + R"(">)" +
         htmlEscape(address) + "</a>";
}

TEST(LinkLine, EmptyWordsStartTheQueryWithSite) {
  EXPECT_EQ(SearchListWriter::linkLine("", "http://a.test"),
            R"(<a href="http://www.google.com/search?q= site:http://a.test">http://a.test</a>)");
}

// linkLine takes the address as it stands: no trimming, no lower-casing, no "http" needed.
TEST(LinkLine, LinkLineTakesTheAddressAsItStands) {
  EXPECT_EQ(SearchListWriter::linkLine("w", " X.Test"), std::string(kStart) + R"(w site: X.Test"> X.Test</a>)");
  EXPECT_EQ(SearchListWriter::linkLine("w", "a&b"), std::string(kStart) + R"(w site:a%26b">a&amp;b</a>)");
}

// Short and long addresses, with capitals, bytes above 127 and escaped bytes near the
// start, in the middle and at the end, trimmed spaces and zero bytes.
TEST(LinkLine, EveryAddressAsTheTextOperationsMakeIt) {
  const std::string lines[] = {
      "http://a.test",
      "  HTTP://WWW.EXAMPLE.TEST/PATH  ",
      "HttP",
      "http:/",
      "http://ab",
      "http://abcdefgZ",
      "http://abcdefgZ/",
      "Zhttp://x.test/a<b",
      "http://x.test/\"q\"",
      "http://x.test/?a=1&b=2#top",
      "http://x.test/100%+more>",
      "http://x.test/\x7F",
      "http://x.test/\x1F\x01",
      "http://\xC1\xC4\xDA\xE0\xFF.test/\xC0",
      "http://x.test/a b ! $ ' ( ) * =",
      std::string("http://x.test/\0\0", 16),
      std::string("http://x\0y.test", 15),
      "http://" + std::string(200, 'Q') + "&" + std::string(7, 'R'),
      "http://www.example.test/path<with>Capitals\x7F/and/more/of/it",
      "HTTP://WWW.EXAMPLE.TEST/A/LONG/PATH/WITHOUT/ANY/ESCAPES/\xC0\xDF\xE0",
      "www.x.test/http",
  };
  for (const std::string_view words : {"", "red Shoes", "a&b #c +d \"e\" <f> 100%"}) {
    LinkLineMaker maker(words);
    for (const std::string& line : lines) {
      SCOPED_TRACE(line);
      ASSERT_TRUE(maker.make(line));
      EXPECT_EQ(maker.line(), expectedLine(words, line));
      EXPECT_EQ(SearchListWriter::linkLine(words, lcase(trimmed(line))), expectedLine(words, line));
    }
  }
}

TEST(LinkLine, AddressesWithoutHttpGetNoLine) {
  LinkLineMaker maker("w");
  for (const std::string_view line : {"", "   ", "www.x.test", "htt p://x", "ftp://x.test", "hTtx"}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(maker.make(line));
  }
  EXPECT_TRUE(maker.make("   hTtP   "));
  EXPECT_EQ(maker.line(), expectedLine("w", "http"));
}

// The quick test may answer true for bytes that stay, never false for one that escapes.
TEST(Escaping, QuickTestFindsEveryEscapedByte) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    if (queryEscape(one) != one) {
      EXPECT_TRUE(mayNeedEscape(static_cast<unsigned char>(byte))) << byte;
    }
  }
  for (const unsigned char usual : std::string_view("abz09:/.-_?;@~\x80\xC1\xFF"))
    EXPECT_FALSE(mayNeedEscape(usual)) << int{usual};
}

}  // namespace
