// Hostile terminals, in whole runs in a pseudo-terminal: the window resized at every
// kind of wait, a flood of keys typed ahead, and the chosen list gone before it is read.
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/pty_run.hpp"
#include "hostile_run.hpp"

namespace zemlar::hostile {
namespace {

namespace fs = std::filesystem;
using namespace e2e_pty;

class HostileTerminal : public PtyRun {
 protected:
  HostileTerminal() { addList("shops.txt", "http://www.one.example\r\nHTTPS://WWW.Two.Example\r\n"); }

  // The program started afresh under the site name (a run before it may have left the link).
  std::unique_ptr<PtySession> startAgain() {
    fs::remove(folder / kSiteName);
    return start();
  }
  std::string document() const { return folder.read("search_in.htm"); }
  Lines shopsLinks(std::string_view words) const {
    return {expectedLinkLine(words, "http://www.one.example"), expectedLinkLine(words, "https://www.two.example")};
  }
};

// ---- the window resized ----

// Keys of a whole run, and the window size set before each (0 columns: left as it is).
struct ResizedStep {
  std::string_view keys;
  std::string_view shows;  // in the output after the keys, or on a screen row when it is an echo
  int cols = 0;
  int rows = 0;
  bool echo = false;
};

::testing::AssertionResult reach(PtySession& session, const ResizedStep& step) {
  if (step.echo) {
    session.send(step.keys);
    return onScreen(session, step.shows);
  }
  return press(session, step.keys, step.shows);
}

const std::vector<ResizedStep> kResizedRun = {
    {"", kTermsPrompt, 0, 0},
    {"1", kContinueEndPrompt, 40, 10},    // at the terms question
    {"1", kContinueEndPrompt, 132, 50},   // at the font screen
    {"1", kMenuEnd, 20, 5},               // at the installation screen
    {"3", kCodePagePrompt, 1, 1},         // at the code page menu
    {"3\r", kFilePrompt, 200, 60},        // at the code page number
    {"1\r", kWordsPrompt, 81, 24},        // at the file number
    {"red ", "enter the words = red", 0, 0, true},
    {"shoes", "enter the words = red shoes", 79, 26, true},  // in the middle of the words
    {kEnter, kOutputFileLine, 80, 25},    // back to the size the program measured
};

// The program keeps the size it measured at its first write (how output fits a window
// resized since is left open); with the window back at that size, its screen must
// be the very screen of the same run without any resizing.
TEST_F(HostileTerminal, ResizedAtEveryKindOfWaitTheRunGoesOnAndTheScreenStaysWhole) {
  std::vector<std::string> expectedRows;
  {
    auto reference = start();
    for (const ResizedStep& step : kResizedRun) ASSERT_TRUE(reach(*reference, step));
    ASSERT_TRUE(settles(*reference));
    expectedRows = reference->screen().rows();
    reference->send("1");
    ASSERT_TRUE(endsWithCodeZero(*reference));
  }
  auto session = startAgain();
  for (const ResizedStep& step : kResizedRun) {
    if (step.cols > 0) {
      ASSERT_TRUE(settles(*session));
      session->resize(step.cols, step.rows);
      session->signal(SIGWINCH);  // once more, as a window manager may send it twice
      EXPECT_TRUE(staysQuiet(*session)) << "a resize to " << step.cols << "x" << step.rows << " wrote something";
    }
    ASSERT_TRUE(reach(*session, step)) << "after the resize to " << step.cols << "x" << step.rows;
  }
  ASSERT_TRUE(settles(*session));
  EXPECT_EQ(session->screen().rows(), expectedRows);
  session->send("1");
  EXPECT_TRUE(endsWithCodeZero(*session));
  EXPECT_TRUE(terminalRestored(*session));
  EXPECT_TRUE(isPageAround(document(), "txt_in\\shops.txt", "red shoes", shopsLinks("red shoes")));
}

// ---- keys typed ahead ----

// Keys sent while the program is stopped reach it all at once when it goes on, as keys
// typed while it was busy do: its key queue keeps the latest 511 of them.
void typeWhileStopped(PtySession& session, std::string_view keys) {
  session.signal(SIGSTOP);
  session.send(keys);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the terminal has taken them all
  session.signal(SIGCONT);
}

// Keys without a meaning at the terms question, one byte each.
std::string junkKeys(size_t count) {
  const std::string_view junk = "xq0 9z.#";
  std::string keys;
  for (size_t i = 0; i < count; ++i) keys += junk[i % junk.size()];
  return keys;
}

TEST_F(HostileTerminal, SixHundredJunkKeysTypedAheadThenTheAnswersStillMakeTheRun) {
  auto session = runSteps(kSiteName, kToTerms);
  ASSERT_TRUE(settles(*session));
  // 600 junk keys and the 20 keys of the answers: the 109 oldest junk keys are dropped.
  typeWhileStopped(*session, junkKeys(600) + "1113" + "3\r" + "1\r" + "red shoes\r" + "1");
  EXPECT_TRUE(endsWithCodeZero(*session));
  EXPECT_TRUE(terminalRestored(*session));
  EXPECT_TRUE(session->screenContains("enter the words = red shoes"));
  EXPECT_TRUE(session->screenContains(kOutputFileLine));
  const std::string& out = session->output();
  EXPECT_EQ(out.find(kTermsPrompt), out.rfind(kTermsPrompt)) << "the junk keys changed the screen";
  EXPECT_TRUE(isPageAround(document(), "txt_in\\shops.txt", "red shoes", shopsLinks("red shoes")));
}

struct TypedAheadCase {
  const char* name;
  size_t junkAfterKey2;
  bool key2Kept;
};
void PrintTo(const TypedAheadCase& c, std::ostream* out) { *out << c.name; }

class TypedAhead : public HostileTerminal, public ::testing::WithParamInterface<TypedAheadCase> {};

// "2" (no, end) and then junk: with 511 keys in all the "2" is still there and ends the
// run; one key more drops it, and the question still waits.
TEST_P(TypedAhead, TheQueueKeeps511Keys) {
  const TypedAheadCase& c = GetParam();
  auto session = runSteps(kSiteName, kToTerms);
  ASSERT_TRUE(settles(*session));
  typeWhileStopped(*session, "2" + junkKeys(c.junkAfterKey2));
  if (c.key2Kept) {
    EXPECT_TRUE(endsWithCodeZero(*session));
  } else {
    EXPECT_TRUE(settles(*session));
    EXPECT_FALSE(session->waitExit(kQuietMs)) << "the oldest key was not dropped";
    EXPECT_TRUE(press(*session, "1", kFontScreen));
    session->send("2");
    EXPECT_TRUE(endsWithCodeZero(*session));
  }
  EXPECT_TRUE(terminalRestored(*session));
}

INSTANTIATE_TEST_SUITE_P(AtTheTermsQuestion, TypedAhead,
                         ::testing::Values(TypedAheadCase{"Keys511", 510, true}, TypedAheadCase{"Keys512", 511, false},
                                           TypedAheadCase{"Keys600", 599, false}),
                         [](const ::testing::TestParamInfo<TypedAheadCase>& info) { return std::string(info.param.name); });

// ---- the chosen list gone ----

// As root no permission stops a read, so the list is taken away after it was chosen
// (a dangling link under its name): the writer gives the page without links, and the
// run ends normally at its final screen.
TEST_F(HostileTerminal, AListGoneAfterItWasChosenGivesThePageWithoutLinks) {
  auto session = runSteps(kSiteName, kToWordsPrompt);
  fs::remove(folder / "txt_in" / "shops.txt");
  fs::create_symlink(folder / "gone" / "shops.txt", folder / "txt_in" / "shops.txt");
  session->send("red shoes");
  EXPECT_TRUE(press(*session, kEnter, kOutputFileLine));
  session->send("1");
  EXPECT_TRUE(endsWithCodeZero(*session));
  EXPECT_TRUE(isPageAround(document(), "txt_in\\shops.txt", "red shoes", {}));
}

}  // namespace
}  // namespace zemlar::hostile
