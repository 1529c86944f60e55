#pragma once
// Whole runs of the built program in a pseudo-terminal: started under a site name in a
// folder of its own, answered with the bytes a terminal sends for the user's keys, and
// watched through what it writes and the screen that output builds.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/pty_session.hpp"
#include "support/temp_folder.hpp"

namespace zemlar::e2e_pty {

using testing::PtySession;

// How long one expected screen state may take to show: long enough for a loaded machine.
inline constexpr int kStateTimeoutMs = 10000;
// How long a key that must change nothing is given to show that it changes nothing.
inline constexpr int kQuietMs = 600;

inline constexpr std::string_view kSiteName = "www.example-shop.example";
inline constexpr std::string_view kEnter = "\r";
inline constexpr std::string_view kBackspace = "\x7f";
inline constexpr std::string_view kLeft = "\x1b[D";
inline constexpr std::string_view kEnd = "\x1b[F";
inline constexpr std::string_view kUp = "\x1b[A";
inline constexpr std::string_view kF1 = "\x1bOP";
inline constexpr std::string_view kEscape = "\x1b";
inline constexpr std::string_view kCtrlC = "\x03";

// Text that marks each screen state; all of it comes after the keys that lead there.
inline constexpr std::string_view kTermsPrompt = "<2> no, end";
inline constexpr std::string_view kFontScreen = "FONT CONSOLAS";
inline constexpr std::string_view kInstallationScreen = "MUST BE INSTALLED";
inline constexpr std::string_view kContinueEndPrompt = "<2> end";
inline constexpr std::string_view kMenuEnd = "<4> = end of program";
inline constexpr std::string_view kCodePagePrompt = "language selection number = ? ";
inline constexpr std::string_view kFilePrompt = "file number with list of web addresses = ? ";
inline constexpr std::string_view kWordsPrompt = "enter the words = ";
inline constexpr std::string_view kAckPrompt = "<1> = continue and end";
inline constexpr std::string_view kOutputFileLine = "Output file: Google_search_list.htm";

// The output written from mark on contains text (waits for it).
::testing::AssertionResult showsAfter(PtySession& session, size_t mark, std::string_view text,
                                      int timeoutMs = kStateTimeoutMs);
// Sends keys and waits for text in the output that follows them.
::testing::AssertionResult press(PtySession& session, std::string_view keys, std::string_view then);
// A screen row contains text (waits for it).
::testing::AssertionResult onScreen(PtySession& session, std::string_view text);
// Nothing at all is written for a while.
::testing::AssertionResult staysQuiet(PtySession& session);
// Waits until the program has written all it had to say (a quiet while follows).
::testing::AssertionResult settles(PtySession& session);

// The program ended by itself with exit code 0.
::testing::AssertionResult endsWithCodeZero(PtySession& session);
// The terminal's modes, auto-wrap and cursor are as they were before the program.
::testing::AssertionResult terminalRestored(const PtySession& session);

// Keys sent, then text that shows once they have taken effect.
struct Step {
  std::string_view keys;
  std::string_view shows;
};
std::vector<Step> then(std::vector<Step> steps, std::initializer_list<Step> more);

// From the start of a run to a prompt: the keys of the usual way there.
extern const std::vector<Step> kToTerms;
extern const std::vector<Step> kToFont;
extern const std::vector<Step> kToInstallation;
extern const std::vector<Step> kToMenu;
extern const std::vector<Step> kToFilePrompt;  // code page 3 chosen
extern const std::vector<Step> kToWordsPrompt;  // file 1 chosen

// The row index of the first screen row that begins with text, or -1.
int rowStartingWith(const PtySession& session, std::string_view text);

class PtyRun : public ::testing::Test {
 protected:
  PtyRun();

  void addList(std::string_view name, std::string_view bytes);
  // The program, started under name from the folder (argv[0] is its full path).
  std::unique_ptr<PtySession> start(std::string_view name = kSiteName);

  // The program started under programName and taken through the steps.
  std::unique_ptr<PtySession> runSteps(std::string_view programName, const std::vector<Step>& steps);


  test::TempFolder folder;
};

}  // namespace zemlar::e2e_pty
