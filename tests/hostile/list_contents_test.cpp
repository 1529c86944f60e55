// Hostile lists, in whole scripted runs: a 20 MB address line, NUL bytes and byte 26
// inside lists, a binary file chosen as a list. Every run ends normally at its final
// screen, and the page holds exactly the link lines the reading rules give.
#include <filesystem>
#include <random>
#include <string>

#include "hostile_run.hpp"

namespace zemlar::hostile {
namespace {

using e2e::finalScreen;
using e2e::endsWithLines;

TEST_F(HostileRun, A20MegabyteAddressLineGivesItsLinkLineWhole) {
  std::string huge = "  HTTP://WWW.";
  for (int i = 0; i < 2'000'000; ++i) huge += "Shop-0123-";  // 20,000,000 bytes
  huge += ".Example/Path?a=1&b=2  ";
  const std::string list = "http://www.before.example\r\n" + huge + "\r\nhttp://www.after.example\r\n";
  addList("big.txt", list);

  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_FALSE(result.timedOut);
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  const Lines links = expectedLinkLines(list, kWords);
  ASSERT_EQ(links.size(), 3u);
  EXPECT_GT(links[1].size(), 40'000'000u) << "the address stands twice in its link line";
  const std::string page = document();
  EXPECT_TRUE(isPageAround(page, "txt_in\\big.txt", kWords, links));
  // Windows-1252 ASCII converts to the same bytes.
  EXPECT_TRUE(delivered() == page) << "the delivered page differs from the document";
}

struct ListCase {
  const char* name;
  std::string list;
  Lines links;  // the addresses expected, in order, as expectedLinkLine takes them
};
void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }

std::string bytes(std::initializer_list<std::string_view> parts) {
  std::string all;
  for (const std::string_view part : parts) all += part;
  return all;
}

class ListBytes : public HostileRun, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListBytes, GiveTheLinksOfTheReadableLines) {
  const ListCase& c = GetParam();
  addList("list.txt", c.list);
  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  Lines links;
  for (const std::string& address : c.links) links.push_back(expectedLinkLine(kWords, address));
  EXPECT_EQ(expectedLinkLines(c.list, kWords), links) << "the case disagrees with the reading rules";
  EXPECT_TRUE(isPageAround(document(), "txt_in\\list.txt", kWords, links));
  EXPECT_TRUE(isUtf8(delivered()));
  EXPECT_EQ(e2e::splitLines(delivered()).size(), 43 + links.size());
}

const std::string kNul(1, '\0');
constexpr std::string_view kEnd = "\x1a";

INSTANTIATE_TEST_SUITE_P(
    NulAndByte26, ListBytes,
    ::testing::Values(
        // NUL bytes are ordinary bytes of a line: kept, and %00 in the href; only at the
        // end of a line trim takes them away together with the spaces.
        ListCase{"NulInsideAnAddress", bytes({"http://www.o", kNul, "ne.example\r\nhttp://www.two.example\r\n"}),
                 {bytes({"http://www.o", kNul, "ne.example"}), "http://www.two.example"}},
        ListCase{"NulsAroundAnAddress",
                 bytes({kNul, kNul, "  http://www.one.example  ", kNul, " ", kNul, "\r\n", kNul, "\r\n"}),
                 {bytes({kNul, kNul, "  http://www.one.example"})}},
        ListCase{"LineOfNulsOnly", bytes({kNul, kNul, kNul, "\r\nhttp://www.one.example\r\n"}),
                 {"http://www.one.example"}},
        ListCase{"NulsSplittingTheWordHttp", bytes({"ht", kNul, "tp://www.one.example\r\n"}), {}},
        // Byte 26 ends the readable data, as in the native text mode.
        ListCase{"Byte26AfterTheFirstLine",
                 bytes({"http://www.one.example\r\n", kEnd, "http://www.two.example\r\n"}), {"http://www.one.example"}},
        ListCase{"Byte26InsideAnAddress",
                 bytes({"http://www.one.example\r\nhttp://www.tw", kEnd, "o.example\r\nhttp://www.three.example\r\n"}),
                 {"http://www.one.example", "http://www.tw"}},
        ListCase{"Byte26First", bytes({kEnd, "http://www.one.example\r\n"}), {}},
        ListCase{"Byte26Last", bytes({"http://www.one.example\r\nhttp://www.two.example", kEnd}),
                 {"http://www.one.example", "http://www.two.example"}},
        ListCase{"NulThenByte26", bytes({"http://www.one.example", kNul, kEnd, kNul, "\r\nhttp://www.two.example\r\n"}),
                 {"http://www.one.example"}},
        ListCase{"CrBeforeByte26IsDropped", bytes({"http://www.one.example\r", kEnd, "\n"}), {"http://www.one.example"}},
        // CR alone is an ordinary byte inside a line: %0D in the href, kept in the text.
        ListCase{"BareCrInsideALine", "http://www.one.example\rhttp://www.two.example\r\n",
                 {"http://www.one.example\rhttp://www.two.example"}},
        ListCase{"LfOnlyLineEnds", "http://www.one.example\nhttp://www.two.example", {"http://www.one.example",
                                                                                      "http://www.two.example"}}),
    [](const ::testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

// A binary file: random bytes of every value (byte 26 kept out of the first 3/4, so
// those are read), with "http" put in many places and in the part after the byte 26.
std::string binaryList() {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string data(1 << 20, '\0');
  for (char& c : data) {
    c = static_cast<char>(byte(random));
    if (c == '\x1a') c = '\x1b';
  }
  const std::string_view markers[] = {"http", "HTTP://", "  https://x.example/\"><script>", "http%&+#<>\""};
  for (size_t at = 1000, k = 0; at + 40 < data.size(); at += 997, ++k) {
    const std::string_view marker = markers[k % std::size(markers)];
    data.replace(at, marker.size(), marker);
  }
  const std::string_view unread = "\x1a\r\nhttp://www.after-the-end.example\r\n";
  data.replace(data.size() * 3 / 4, unread.size(), unread);
  return data;
}

TEST_F(HostileRun, ABinaryFileAsTheListGivesALinkForEveryLineWithHttp) {
  const std::string list = binaryList();
  addList("binary.txt", list);
  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));

  const Lines links = expectedLinkLines(list, kWords);
  EXPECT_GT(links.size(), 300u);
  const std::string page = document();
  EXPECT_TRUE(isPageAround(page, "txt_in\\binary.txt", kWords, links));
  // Nothing of an address breaks out of its link: the href holds no quote, angle
  // bracket or control byte, the shown text no markup.
  const std::string prefix = "<a href=\"http://www.google.com/search?q=red shoes site:";
  for (const std::string& line : linkLinesOf(page)) {
    ASSERT_TRUE(line.starts_with(prefix) && line.ends_with("</a>")) << line;
    const size_t close = line.find("\">", prefix.size());
    ASSERT_NE(close, std::string::npos);
    const std::string href = line.substr(prefix.size(), close - prefix.size());
    for (const char ch : href) {
      const auto c = static_cast<unsigned char>(ch);
      ASSERT_TRUE(c >= 32 && c != 127 && ch != '"' && ch != '<' && ch != '>') << "byte " << int(c) << " in the href";
    }
    const std::string text = line.substr(close + 2, line.size() - close - 2 - 4);
    ASSERT_EQ(text.find_first_of("<>\""), std::string::npos) << "markup in the link text";
  }
  // Nothing after the byte 26 was read.
  EXPECT_EQ(page.find("after-the-end"), std::string::npos);
  EXPECT_TRUE(isUtf8(delivered()));
  EXPECT_EQ(e2e::splitLines(delivered()).size(), 43 + links.size());
}

TEST_F(HostileRun, AProgramFileAsTheListEndsNormally) {
  const std::string list = test::readFile(ZEMLAR_CONVERTCP);
  ASSERT_FALSE(list.empty());
  addList("program.txt", list);
  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  EXPECT_TRUE(isPageAround(document(), "txt_in\\program.txt", kWords, expectedLinkLines(list, kWords)));
  EXPECT_TRUE(isUtf8(delivered()));
}

}  // namespace
}  // namespace zemlar::hostile
