#include <filesystem>
#include <string>

#include "support/run_fixture.hpp"

namespace zemlar::e2e {
namespace {

std::string catalogueLine(int number, const std::string& name) {
  std::string line = " " + std::to_string(number);
  return line + std::string(14 - line.size(), ' ') + name;
}

class CatalogueRun : public WholeRunTest {
 protected:
  CatalogueRun() {
    addList("a_list.txt", "http://www.one.example\r\n");
    addList("b_list.txt", "http://www.two.example\r\n");
    addList("C_LIST.TXT", "  HTTP://WWW.Three.Example  \r\nno-scheme.example\r\n");
    addList("notes.md", "http://www.not-listed.example\r\n");
  }
  // Code page 3, then the file number and the words; the final screen ends the run.
  test::ScriptedRun choose(const std::string& fileNumber, const std::string& words = "words") {
    return run(std::string(kThroughScreens) + "3\n3\n" + fileNumber + "\n" + words + "\n1\n");
  }
  std::string keywordsLine() {
    const std::string document = folder.read("search_in.htm");
    const std::string start = "Keywords included in Google search string: ";
    const size_t at = document.find(start);
    if (at == std::string::npos) return "(none)";
    return document.substr(at + start.size(), document.find("\r\n", at) - at - start.size());
  }
};

TEST_F(CatalogueRun, ListsQualifyingNamesInLowerCaseAndTakesTheChosenOne) {
  const test::ScriptedRun result = choose("3", "Red Shoes");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(containsBlock(result.out, {catalogueLine(1, "a_list.txt"), catalogueLine(2, "b_list.txt"),
                                         catalogueLine(3, "c_list.txt"), std::string(28, '-'),
                                         catalogueLine(3, "c_list.txt"), "",
                                         "Enter the words that will be included in the Google search string!"}));
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  const std::string document = folder.read("search_in.htm");
  EXPECT_NE(document.find("input file: txt_in\\c_list.txt\r\n"), std::string::npos);
  EXPECT_NE(document.find(">http://www.three.example</a>\r\n"), std::string::npos) << "the upper-case file was read";
  EXPECT_EQ(document.find("no-scheme"), std::string::npos);
  EXPECT_EQ(keywordsLine(), "<b>Red Shoes</b>");
}

TEST_F(CatalogueRun, NumberMatchingNoEntryEnds) {
  for (const char* number : {"4", "0", "-1", "abc", ""}) {
    SCOPED_TRACE(number);
    const test::ScriptedRun result = run(std::string(kThroughScreens) + "3\n3\n" + number + "\n2\n1\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(endsWithLines(result.out, join({{catalogueLine(3, "c_list.txt"), std::string(28, '-')},
                                                stopBlock("file number is out of range")})));
  }
}

TEST_F(CatalogueRun, SearchWordsFollowTheItemRules) {
  const struct {
    const char* typed;
    const char* keywords;
  } cases[] = {
      {"  red shoes  , blue", "<b>red shoes  </b>"},
      {"\"a, b\" c", "<b>a, b</b>"},
      {"", "<b></b>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const test::ScriptedRun result = choose("1", c.typed);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(keywordsLine(), c.keywords);
  }
}

TEST_F(WholeRunTest, EmptyOrMissingTxtInEnds) {
  addList("readme.md", "no lists here\r\n");
  for (int round = 0; round < 2; ++round) {
    const test::ScriptedRun result = run(std::string(kThroughScreens) + "3\n3\n2\n1\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(endsWithLines(result.out, stopBlock("Subfolder txt_in is empty")));
    std::filesystem::remove_all(folder / "txt_in");
  }
}

}  // namespace
}  // namespace zemlar::e2e
