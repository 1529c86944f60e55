// The real program on a pseudo-terminal: what the screen shows, and that the user's
// terminal is left as it was found at every end.
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/pty_session.hpp"
#include "support/temp_folder.hpp"

namespace zemlar {
namespace {

using testing::PtySession;

constexpr int kTimeoutMs = 5000;
constexpr std::string_view kAutoWrapOn = "\x1b[?7h";
constexpr std::string_view kAutoWrapOff = "\x1b[?7l";

class ProgramOnTerminal : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = folder_ / "zemlar_01_064";
    std::filesystem::copy_file(ZEMLAR_EXE_064, program_);
    std::filesystem::create_directory(folder_ / "txt_in");
  }

  PtySession start() { return PtySession({program_.string()}, folder_.path().string()); }

  static void expectSettingsRestored(const PtySession& session) {
    const termios now = session.settings();
    const termios& before = session.initialSettings();
    EXPECT_EQ(now.c_lflag, before.c_lflag);
    EXPECT_EQ(now.c_iflag, before.c_iflag);
    EXPECT_EQ(now.c_oflag, before.c_oflag);
    EXPECT_EQ(now.c_cc[VMIN], before.c_cc[VMIN]);
    EXPECT_EQ(now.c_cc[VTIME], before.c_cc[VTIME]);
  }

  // Auto-wrap was switched off while the program ran and is on again at its end.
  static void expectAutoWrapRestored(const PtySession& session) {
    const std::string& out = session.output();
    const size_t off = out.find(kAutoWrapOff);
    ASSERT_NE(off, std::string::npos);
    EXPECT_NE(out.find(kAutoWrapOn, off), std::string::npos);
    EXPECT_TRUE(session.screen().autoWrap());
    EXPECT_TRUE(session.screen().cursorVisible());
  }

  test::TempFolder folder_;
  std::filesystem::path program_;
};

TEST_F(ProgramOnTerminal, StartUpLinesShowOnTheScreenRows) {
  PtySession session = start();
  ASSERT_TRUE(session.waitForScreen(program_.string(), kTimeoutMs)) << session.output();
  // The second block may come late on a busy machine: wait until both are on the screen.
  const auto pathRows = [&] { return std::ranges::count(session.screen().rows(), program_.string()); };
  for (int waited = 0; pathRows() < 2 && waited < kTimeoutMs; waited += 100) session.pump(100);
  const auto rows = session.screen().rows();
  int first = -1;
  for (int r = 0; r < static_cast<int>(rows.size()); ++r)
    if (rows[static_cast<size_t>(r)] == "zemlar_01_064") {
      first = r;
      break;
    }
  ASSERT_GE(first, 0) << session.output();
  ASSERT_LT(first + 5, static_cast<int>(rows.size()));
  EXPECT_EQ(rows[static_cast<size_t>(first + 1)], "");
  EXPECT_EQ(rows[static_cast<size_t>(first + 2)], program_.string());
  EXPECT_EQ(rows[static_cast<size_t>(first + 3)], "zemlar_01_064");
  EXPECT_EQ(rows[static_cast<size_t>(first + 4)], "");
  EXPECT_EQ(rows[static_cast<size_t>(first + 5)], program_.string());
}

TEST_F(ProgramOnTerminal, CtrlCEndsTheProgramAndRestoresTheTerminal) {
  PtySession session = start();
  ASSERT_TRUE(session.waitForScreen(program_.string(), kTimeoutMs)) << session.output();
  const termios running = session.settings();
  EXPECT_EQ(running.c_lflag & (ICANON | ECHO), 0u) << "raw while the program runs";
  EXPECT_NE(running.c_lflag & ISIG, 0u);
  session.send("\x03");  // the terminal turns Ctrl+C into SIGINT: ISIG stayed on
  const auto status = session.waitExit(kTimeoutMs);
  ASSERT_TRUE(status.has_value());
  ASSERT_TRUE(WIFSIGNALED(*status));
  EXPECT_EQ(WTERMSIG(*status), SIGINT);
  expectSettingsRestored(session);
  expectAutoWrapRestored(session);
}

TEST_F(ProgramOnTerminal, EndingSignalsRestoreTheTerminal) {
  for (const int signal : {SIGTERM, SIGQUIT}) {
    PtySession session = start();
    ASSERT_TRUE(session.waitForScreen(program_.string(), kTimeoutMs)) << session.output();
    session.signal(signal);
    const auto status = session.waitExit(kTimeoutMs);
    ASSERT_TRUE(status.has_value());
    ASSERT_TRUE(WIFSIGNALED(*status)) << signal;
    EXPECT_EQ(WTERMSIG(*status), signal);
    expectSettingsRestored(session);
    expectAutoWrapRestored(session);
  }
}

TEST_F(ProgramOnTerminal, EndingAtAPromptRestoresTheTerminal) {
  PtySession session = start();
  ASSERT_TRUE(session.waitForScreen(program_.string(), kTimeoutMs)) << session.output();
  session.pump(300);
  session.send("1\r\n");  // the renaming instructions end at the key "1"
  const auto status = session.waitExit(kTimeoutMs);
  ASSERT_TRUE(status.has_value()) << session.output();
  ASSERT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(WEXITSTATUS(*status), 0);
  expectSettingsRestored(session);
  expectAutoWrapRestored(session);
}

}  // namespace
}  // namespace zemlar
