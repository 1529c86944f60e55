// Every way a run on a terminal ends: through the key of each end, by Ctrl+C and by a
// hang-up. The user's terminal is left as the program found it every time.
#include <signal.h>
#include <sys/wait.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/pty_run.hpp"

namespace zemlar::e2e_pty {
namespace {

struct EndCase {
  const char* name;
  std::string_view programName;
  bool withList;
  std::vector<Step> steps;
  std::string_view message;  // on the screen when the last key is pressed
  std::string_view lastKey;
};
void PrintTo(const EndCase& c, std::ostream* out) { *out << c.name; }


class EndOnTerminal : public PtyRun, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndOnTerminal, KeyEndsWithCodeZeroAndRestoresTheTerminal) {
  const EndCase& c = GetParam();
  if (c.withList) addList("shops.txt", "http://www.one.example\r\n");
  auto session = runSteps(c.programName, c.steps);
  EXPECT_TRUE(onScreen(*session, c.message));
  session->send(c.lastKey);
  EXPECT_TRUE(endsWithCodeZero(*session));
  EXPECT_TRUE(terminalRestored(*session));
}

INSTANTIATE_TEST_SUITE_P(
    EveryEnd, EndOnTerminal,
    ::testing::Values(
        EndCase{"RenamingInstructions", "zemlar_01_064", false, {{"", kAckPrompt}}, "BE CAREFUL AND COPY", "1"},
        EndCase{"Terms", kSiteName, false, kToTerms, "Do you accept the terms of use?", "2"},
        EndCase{"Font", kSiteName, false, kToFont, "Selected settings work", "2"},
        EndCase{"Installation", kSiteName, false, kToInstallation, "The TXT file names must not", "2"},
        EndCase{"CodePageMenu", kSiteName, false, kToMenu, "Select language code", "4"},
        EndCase{"EmptyTxtIn", kSiteName, false, then(kToMenu, {{"3", kCodePagePrompt}, {"3\r", kAckPrompt}}),
                "Subfolder txt_in is empty", "1"},
        EndCase{"FileNumberOutOfRange", kSiteName, true, then(kToFilePrompt, {{"2\r", kAckPrompt}}),
                "file number is out of range", "1"},
        EndCase{"FinalScreen", kSiteName, true, then(kToWordsPrompt, {{"red\r", kAckPrompt}}), kOutputFileLine,
                "1"}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

// Ctrl+C and a hang-up while the program waits: at a key prompt and in a line entry.
struct InterruptCase {
  const char* name;
  std::vector<Step> steps;
};
void PrintTo(const InterruptCase& c, std::ostream* out) { *out << c.name; }


class InterruptOnTerminal : public PtyRun, public ::testing::WithParamInterface<InterruptCase> {};

TEST_P(InterruptOnTerminal, CtrlCEndsTheProgramAndRestoresTheTerminal) {
  addList("shops.txt", "http://www.one.example\r\n");
  auto session = runSteps(kSiteName, GetParam().steps);
  session->send(kCtrlC);
  const auto status = session->waitExit(kStateTimeoutMs);
  ASSERT_TRUE(status.has_value());
  ASSERT_TRUE(WIFSIGNALED(*status));
  EXPECT_EQ(WTERMSIG(*status), SIGINT);
  EXPECT_TRUE(terminalRestored(*session));
}

TEST_P(InterruptOnTerminal, HangUpEndsWithCodeZeroAndRestoresTheTerminal) {
  addList("shops.txt", "http://www.one.example\r\n");
  auto session = runSteps(kSiteName, GetParam().steps);
  session->signal(SIGHUP);
  EXPECT_TRUE(endsWithCodeZero(*session));
  EXPECT_TRUE(terminalRestored(*session));
}

INSTANTIATE_TEST_SUITE_P(WhileWaiting, InterruptOnTerminal,
                         ::testing::Values(InterruptCase{"AtTheTermsPrompt", kToTerms},
                                           InterruptCase{"InTheCodePageMenu", kToMenu},
                                           InterruptCase{"AtTheWordsEntry", kToWordsPrompt}),
                         [](const ::testing::TestParamInfo<InterruptCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zemlar::e2e_pty
