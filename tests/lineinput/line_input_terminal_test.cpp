// Line entry on a pseudo-terminal: the prompt, the editor on the real console driver
// and key decoder, and the line end after Enter. Each entry runs in a forked child.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <string>

#include "rt/console.hpp"
#include "rt/line_input.hpp"
#include "support/pty_session.hpp"

namespace zemlar {
namespace {

using testing::PtySession;

constexpr int kTimeoutMs = 5000;

TEST(LineInputOnTerminal, NumberEntryShowsPromptWithQuestionMarkAndEditsTheLine) {
  PtySession session([] {
    LineInput::begin("language selection number = ", true);
    const int32_t n = LineInput::readInt();
    Console::print("got", Sep::None);
    Console::printInt(n, Sep::EndLine);
    return static_cast<int>(n);
  });
  ASSERT_TRUE(session.waitForScreen("language selection number = ?", kTimeoutMs));
  session.send("12\x1b[D" "3\r");  // 1, 2, Left, 3, Enter
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 132);
  EXPECT_TRUE(session.screenContains("language selection number = ? 132"));
  EXPECT_TRUE(session.screenContains("got 132"));
}

TEST(LineInputOnTerminal, TextEntryWithBackspaceHomeAndDelete) {
  PtySession session([] {
    LineInput::begin("enter the words = ", false);
    std::string shown = "[";
    shown += LineInput::readText();
    shown += ']';
    Console::print(shown, Sep::EndLine);
    return 0;
  });
  ASSERT_TRUE(session.waitForScreen("enter the words =", kTimeoutMs));
  // "red shoez", Backspace (DEL), "s", Home, Delete, Enter.
  session.send("red shoez\x7f" "s\x1b[H\x1b[3~\r");
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  const auto rows = session.screen().rows();
  int promptRow = -1;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    if (rows[static_cast<size_t>(r)].rfind("enter the words", 0) == 0) promptRow = r;
  }
  ASSERT_GE(promptRow, 0);
  EXPECT_EQ(rows[static_cast<size_t>(promptRow)], "enter the words = ed shoes");
  EXPECT_EQ(rows[static_cast<size_t>(promptRow) + 1], "[ed shoes]");
}

}  // namespace
}  // namespace zemlar
