#include <string>

#include "support/run_fixture.hpp"

namespace zemlar::e2e {
namespace {

Lines entries(int from, int to, bool eachAfterEmptyLine) {
  Lines lines;
  for (int i = from; i <= to; ++i) {
    if (eachAfterEmptyLine) lines.push_back("");
    lines.push_back(entryLine(i));
  }
  return lines;
}

class CodePageMenuRun : public WholeRunTest {
 protected:
  // The menu part of a run answered with the given keys, which must end the program.
  void expectMenu(const std::string& keys, const Lines& afterFirstMenu) {
    const test::ScriptedRun result = run(std::string(kThroughScreens) + keys);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(linesAre(result.out, join({upToChecks(), {""}, menuLines(), afterFirstMenu})));
  }
};

TEST_F(CodePageMenuRun, ListShowsAllEntriesAfterOneEmptyLine) {
  expectMenu("1\n4\n", join({{""}, entries(1, 10, false), menuLines()}));
}

TEST_F(CodePageMenuRun, OtherKeysChangeNothing) { expectMenu("x\n5\n\n0\n4\n", {}); }

TEST_F(CodePageMenuRun, Key3AfterEntry4OfABrowseAsksForTheNumber) {
  // 0 at the number prompt brings the menu back without a message.
  expectMenu("2\nx\n\ny\nz\n3\n0\n4\n", join({entries(1, 4, true), {""}, menuLines()}));
}

TEST_F(CodePageMenuRun, Key4AfterEntry9ShowsEntry10AndThenEnds) {
  expectMenu("2\na\nb\nc\nd\ne\nf\ng\nh\n4\n4\n", entries(1, 10, true));
}

TEST_F(CodePageMenuRun, OtherKeysAfterEntry10LeadBackToTheMenu) {
  expectMenu("2\n1\n2\na\nb\nc\nd\ne\nf\ng\n2\n4\n", join({entries(1, 10, true), menuLines()}));
  expectMenu("2\n1\n2\na\nb\nc\nd\ne\nf\ng\n1\n4\n", join({entries(1, 10, true), menuLines()}));
}

TEST_F(CodePageMenuRun, NumbersOutOfRangeAndWordsBringTheMenuBack) {
  expectMenu("3\n0\n3\n11\n3\nabc\n3\n-1\n4\n",
             join({{""}, menuLines(), {""}, menuLines(), {""}, menuLines(), {""}, menuLines()}));
}

TEST_F(CodePageMenuRun, Selection1ConfirmsAndSwitchesTheConsole) {
  const test::ScriptedRun result = run(std::string(kThroughScreens) + "3\n1\n1\n");
  EXPECT_EQ(result.exitCode, 0);
  // Then the catalogue of the empty txt_in ends the run.
  EXPECT_TRUE(startsWithLines(result.out, join({upToChecks(), {""}, menuLines(), {""}, confirmation(1), {kAnyLine}})));
  EXPECT_TRUE(endsWithLines(result.out, stopBlock("Subfolder txt_in is empty")));
}

TEST_F(CodePageMenuRun, Selection10ConvertsFromCodePage54936) {
  addList("gb.txt", "http://www.one.example\r\n\xC4\xE3\xBA\xC3 http://www.two.example\r\n");
  const test::ScriptedRun result = run(std::string(kThroughScreens) + "3\n10\n1\nred\n1\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(startsWithLines(result.out, join({upToChecks(), {""}, menuLines(), {""}, confirmation(10)})));
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  const std::string delivered = folder.read("Google_search_list.htm");
  EXPECT_NE(delivered.find("\xE4\xBD\xA0\xE5\xA5\xBD http://www.two.example"), std::string::npos)
      << "the GB18030 bytes arrive as UTF-8";
}

}  // namespace
}  // namespace zemlar::e2e
