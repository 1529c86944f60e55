#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/run_state.hpp"
#include "output/escaping.hpp"
#include "output/search_list_writer.hpp"
#include "support/temp_folder.hpp"

using namespace zemlar;
using zemlar::test::readFile;
using zemlar::test::TempFolder;

namespace {

const std::filesystem::path kFixtures = std::filesystem::path(ZEMLAR_FIXTURES) / "document";

RunState shopState(std::string inputFilePath, std::string words) {
  RunState state;
  state.site = {"http://www.example-shop.example", "www.example-shop.example.exe"};
  state.inputFilePath = std::move(inputFilePath);
  state.searchWords = std::move(words);
  return state;
}

size_t countLines(const std::string& bytes) {
  size_t lines = 0;
  for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lines;
  return lines;
}

class DocumentTest : public ::testing::Test {
 protected:
  void useList(const std::string& fixture, const std::string& nameInTxtIn) {
    folder.write("txt_in/" + nameInTxtIn, readFile(kFixtures / fixture));
  }
  TempFolder folder{true};
};

TEST_F(DocumentTest, AddressListGivesOneLinkPerLineWithHttp) {
  useList("addresses.txt", "addresses.txt");
  RunState state = shopState("txt_in\\addresses.txt", "red Shoes");
  EXPECT_TRUE(SearchListWriter::writeDocument(state));
  EXPECT_EQ(state.unconvertedDocumentName, "search_in.htm");
  const std::string document = folder.read("search_in.htm");
  EXPECT_EQ(document, readFile(kFixtures / "addresses.expected.htm"));
  EXPECT_EQ(countLines(document), 43u + 7u);
}

TEST_F(DocumentTest, HostileListAndWordsCannotBreakThePage) {
  useList("hostile.txt", "a&b.txt");
  RunState state;
  state.site = {"http://www.x.example/\"><b>", "www.x.example/\"><b>.exe"};
  state.inputFilePath = "txt_in\\a&b.txt";
  state.searchWords = "a&b #c +d \"e\" <f> 100%";
  EXPECT_TRUE(SearchListWriter::writeDocument(state));
  EXPECT_EQ(folder.read("search_in.htm"), readFile(kFixtures / "hostile.expected.htm"));
}

TEST_F(DocumentTest, UnreadableInputGivesTheFixedLinesOnly) {
  RunState state = shopState("txt_in\\missing.txt", "red Shoes");
  EXPECT_TRUE(SearchListWriter::writeDocument(state));
  const std::string document = folder.read("search_in.htm");
  EXPECT_EQ(document, readFile(kFixtures / "unreadable.expected.htm"));
  EXPECT_EQ(countLines(document), 43u);
}

TEST_F(DocumentTest, AnOlderDocumentIsReplacedWhole) {
  folder.write("search_in.htm", std::string(100000, 'o'));
  folder.write("txt_in/one.txt", "http://one.test\r\n");
  RunState state = shopState("txt_in\\ONE.TXT", "w");
  EXPECT_TRUE(SearchListWriter::writeDocument(state));
  const std::string document = folder.read("search_in.htm");
  EXPECT_EQ(document.find('o' + std::string(10, 'o')), std::string::npos);
  EXPECT_EQ(countLines(document), 44u);
}

TEST(Escaping, QueryAndHtml) {
  EXPECT_EQ(queryEscape("a b\"#%&+<>\x1F\x7F\x80\xFFz"), "a b%22%23%25%26%2B%3C%3E%1F%7F\x80\xFFz");
  EXPECT_EQ(queryEscape(std::string("\0", 1)), "%00");
  EXPECT_EQ(htmlEscape("<a href=\"x\">&amp;</a>'"), "&lt;a href=&quot;x&quot;&gt;&amp;amp;&lt;/a&gt;'");
}

TEST_F(DocumentTest, ADocumentThatCannotBeWrittenIsReportedAndRemoved) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  useList("addresses.txt", "addresses.txt");
  std::filesystem::create_symlink("/dev/full", folder / "search_in.htm");
  RunState state = shopState("txt_in\\addresses.txt", "red Shoes");
  EXPECT_FALSE(SearchListWriter::writeDocument(state));

  // The stage removes what it wrote, says so and ends at the acknowledging prompt.
  EXPECT_EXIT(
      {
        int answers[2];
        if (pipe(answers) != 0 || write(answers[1], "1\n", 2) != 2) _exit(9);
        close(answers[1]);
        dup2(answers[0], 0);
        SearchListWriter::write(state);
        _exit(8);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(folder / "search_in.htm")));
}

}  // namespace
