// Decisions by single keys on a terminal: keys without a meaning at a prompt change
// nothing, and keys typed ahead answer the prompts they reach.
#include <ostream>
#include <string>
#include <vector>

#include "support/pty_run.hpp"

namespace zemlar::e2e_pty {
namespace {

size_t occurrences(const std::string& text, std::string_view part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

struct PromptCase {
  const char* name;
  std::string_view programName;
  std::vector<Step> steps;
  std::string_view promptLine;  // printed once, however many keys were ignored
  std::string_view ignored;     // keys sent one write after the other
  std::string_view afterKey1;   // what key 1 then leads to, or "" when it ends the program
};
void PrintTo(const PromptCase& c, std::ostream* out) { *out << c.name; }


class PromptOnTerminal : public PtyRun, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(PromptOnTerminal, KeysWithoutMeaningAreIgnoredAndKey1GoesOn) {
  const PromptCase& c = GetParam();
  auto session = runSteps(c.programName, c.steps);
  ASSERT_TRUE(settles(*session));
  // Up, F1 and Escape, each as its own write so the Escape stands alone.
  for (const std::string_view keys : {kUp, kF1, kEscape, c.ignored}) {
    session->send(keys);
    EXPECT_TRUE(staysQuiet(*session)) << "after \"" << keys << "\"";
  }
  EXPECT_EQ(occurrences(session->output(), c.promptLine), 1u);
  if (c.afterKey1.empty()) {
    session->send("1");
    EXPECT_TRUE(endsWithCodeZero(*session));
  } else {
    EXPECT_TRUE(press(*session, "1", c.afterKey1));
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, PromptOnTerminal,
    ::testing::Values(
        PromptCase{"AcknowledgeAndEnd", "zemlar_01_064", {{"", kAckPrompt}}, kAckPrompt, "2\r", ""},
        PromptCase{"YesNo", kSiteName, kToTerms, "<1> yes, continue", "x\r", kFontScreen},
        PromptCase{"ContinueEnd", kSiteName, kToFont, "<1> continue", "\x1b[15~", kInstallationScreen},
        PromptCase{"CodePageMenu", kSiteName, kToMenu, "Select language code", "5\x1b[B", "Windows-1258"}),
    [](const ::testing::TestParamInfo<PromptCase>& info) { return std::string(info.param.name); });

TEST_F(PtyRun, KeyTypedWhileTheChecksRunAnswersTheMenu) {
  auto session = runSteps(kSiteName, kToInstallation);
  session->send("14");  // "4" arrives while the tool checks run their commands
  EXPECT_TRUE(endsWithCodeZero(*session));
  EXPECT_EQ(occurrences(session->output(), "Select language code"), 1u);
  EXPECT_TRUE(terminalRestored(*session));
}

TEST_F(PtyRun, LinesTypedAheadAnswerTheEntriesAfterTheCommands) {
  addList("shops.txt", "http://www.one.example\r\n");
  auto session = runSteps(kSiteName, kToMenu);
  // The code page, the file number, the words and the final key, typed at once: the
  // console switch and the listing of txt_in run in between.
  session->send("32\r1\rred shoes\r1");
  EXPECT_TRUE(endsWithCodeZero(*session));
  EXPECT_TRUE(session->screenContains("language selection number = ? 2"));
  EXPECT_TRUE(session->screenContains("file number with list of web addresses = ? 1"));
  EXPECT_TRUE(session->screenContains("enter the words = red shoes"));
  EXPECT_TRUE(session->screenContains(kOutputFileLine));
  EXPECT_NE(folder.read("Google_search_list.htm").find("<b>red shoes</b>"), std::string::npos);
}

}  // namespace
}  // namespace zemlar::e2e_pty
