// What the rows of an 80-column terminal show: menu entries and catalogue lines in their
// print zones, long lines wrapped at the last column, and the echo of typed answers.
#include <string>
#include <utility>
#include <vector>

#include "support/pty_run.hpp"

namespace zemlar::e2e_pty {
namespace {

constexpr size_t kColumns = PtySession::kCols;

// A line with each text starting at its column (0-based), spaces in between.
std::string atColumns(std::initializer_list<std::pair<size_t, std::string_view>> texts) {
  std::string line;
  for (const auto& [column, text] : texts) {
    if (line.size() < column) line.append(column - line.size(), ' ');
    line += text;
  }
  return line;
}

// The screen rows a line fills from column 0, cut at the last column.
std::vector<std::string> rowsOf(const std::string& line) {
  std::vector<std::string> rows;
  for (size_t at = 0; at < line.size(); at += kColumns) rows.push_back(line.substr(at, kColumns));
  return rows;
}

// The rows stand one below the other on the screen, the first beginning a row.
::testing::AssertionResult showsRows(const PtySession& session, const std::vector<std::string>& expected) {
  const int first = rowStartingWith(session, expected.front());
  const auto rows = session.screen().rows();
  if (first < 0) return ::testing::AssertionFailure() << "no row begins with \"" << expected.front() << "\"";
  for (size_t i = 0; i < expected.size(); ++i) {
    const size_t r = static_cast<size_t>(first) + i;
    if (r >= rows.size() || rows[r] != expected[i])
      return ::testing::AssertionFailure() << "row " << r << " is \"" << (r < rows.size() ? rows[r] : "")
                                           << "\", expected \"" << expected[i] << "\"";
  }
  return ::testing::AssertionSuccess();
}

TEST_F(PtyRun, CodePageListPutsDescriptionsAtColumn28AndWrapsAtTheLastColumn) {
  auto session = runSteps(kSiteName, kToMenu);
  ASSERT_TRUE(press(*session, "1", "China"));
  ASSERT_TRUE(showsAfter(*session, session->output().find("China"), kMenuEnd));
  const std::string first = atColumns(
      {{0, " 1)"},
       {7, "Windows-1250"},
       {28, "Central Europe languages: Albanian, Croatian, Czech, Hungarian, Polish, Romanian, Serbian (Latin), "
            "Slovak, Slovenian"}});
  const std::string third = atColumns(
      {{0, " 3)"},
       {7, "Windows-1252"},
       {28, "Latin 1 languages: Afrikaans, Basque, Catalan, Danish, Dutch, English, Faroese, Finnish, French, "
            "Galician, German, Icelandic, Indonesian, Italian, Malay, Norwegian, Portuguese, Spanish, Swahili, "
            "Swedish"}});
  EXPECT_EQ(rowsOf(first).size(), 2u);
  EXPECT_EQ(rowsOf(third).size(), 3u);
  EXPECT_TRUE(showsRows(*session, rowsOf(first)));
  EXPECT_TRUE(showsRows(*session, rowsOf(third)));
  EXPECT_TRUE(showsRows(*session, {atColumns({{0, " 9)"}, {7, "Windows-1258"}, {28, "Vietnamese"}}),
                                   atColumns({{0, " 10)"}, {7, "Windows-54936"}, {28, "China"}}),
                                   std::string(27, '-'), "Select language code"}));
}

TEST_F(PtyRun, CodePagePromptEchoesTheTypedNumber) {
  auto session = runSteps(kSiteName, then(kToMenu, {{"3", kCodePagePrompt}}));
  session->send("10");
  EXPECT_TRUE(onScreen(*session, "language selection number = ? 10"));
  ASSERT_TRUE(press(*session, kEnter, "Windows codepage = Windows-54936"));
  EXPECT_TRUE(showsRows(*session, {"language selection number = ? 10",
                                   atColumns({{0, " 10)"}, {14, "Windows-54936"}}), "     China",
                                   "Windows codepage = Windows-54936"}));
}

TEST_F(PtyRun, CatalogueShowsEachNameAtColumn14AndTheChosenOneAgain) {
  addList("a_list.txt", "http://www.one.example\r\n");
  addList("b_list.txt", "http://www.two.example\r\n");
  addList("C_LIST.TXT", "http://www.three.example\r\n");
  auto session = runSteps(kSiteName, kToFilePrompt);
  session->send("3");
  EXPECT_TRUE(onScreen(*session, "file number with list of web addresses = ? 3"));
  ASSERT_TRUE(press(*session, kEnter, kWordsPrompt));
  const std::string third = atColumns({{0, " 3"}, {14, "c_list.txt"}});
  EXPECT_TRUE(showsRows(*session, {atColumns({{0, " 1"}, {14, "a_list.txt"}}),
                                   atColumns({{0, " 2"}, {14, "b_list.txt"}}), third, std::string(28, '-'),
                                   "file number with list of web addresses = ? 3", third, "",
                                   "Enter the words that will be included in the Google search string!",
                                   "enter the words ="}));
}

// Typing past the last column on the bottom row scrolls the screen; editing then works
// across the row end.
TEST_F(PtyRun, LongWordsWrapAtTheLastColumnAndAreEditedAcrossTheRowEnd) {
  addList("shops.txt", "http://www.one.example\r\n");
  auto session = runSteps(kSiteName, kToWordsPrompt);
  std::string typed;
  for (int i = 0; i < 70; ++i) typed += static_cast<char>('a' + i % 26);
  session->send(typed);
  const std::string prompt(kWordsPrompt);
  EXPECT_TRUE(onScreen(*session, prompt + typed.substr(0, 62)));
  EXPECT_TRUE(settles(*session));
  EXPECT_TRUE(showsRows(*session, {prompt + typed.substr(0, 62), typed.substr(62)}));
  EXPECT_EQ(session->screen().cursorCol(), 8);

  std::string edits;
  for (int i = 0; i < 5; ++i) edits += kBackspace;  // back to 65 letters: still two rows
  edits += "\x1b[H";  // Home
  edits += "Z";
  session->send(edits);
  const std::string words = "Z" + typed.substr(0, 65);
  EXPECT_TRUE(onScreen(*session, prompt + "Z"));
  EXPECT_TRUE(settles(*session));
  EXPECT_TRUE(showsRows(*session, {prompt + words.substr(0, 62), words.substr(62)}));
  EXPECT_EQ(session->screen().cursorCol(), static_cast<int>(prompt.size()) + 1);

  ASSERT_TRUE(press(*session, kEnter, kOutputFileLine));
  session->send("1");
  EXPECT_TRUE(endsWithCodeZero(*session));
  EXPECT_NE(folder.read("Google_search_list.htm").find("<b>" + words + "</b>"), std::string::npos);
}

}  // namespace
}  // namespace zemlar::e2e_pty
