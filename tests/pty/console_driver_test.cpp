// The console driver on a pseudo-terminal. Each test runs the driver in a forked child
// (this test program never uses the console itself, so every child sets it up afresh)
// and reads the screen the child's output builds.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "rt/console.hpp"
#include "rt/posix/console_codepage.hpp"
#include "rt/posix/terminal.hpp"
#include "support/pty_session.hpp"
#include "support/temp_folder.hpp"

namespace zemlar {
namespace {

using testing::PtySession;

constexpr int kTimeoutMs = 5000;

// Blocks the child until the test sends a byte, so the test can look at the screen.
void awaitGo() {
  char c = 0;
  while (::read(STDIN_FILENO, &c, 1) < 0 && errno == EINTR) {
  }
}

TEST(ConsoleDriverOnTerminal, WrapsAtTheLastColumnAndKeepsThePrintColumn) {
  PtySession session([] {
    Console::print(std::string(85, 'x'), Sep::None);
    return Console::column();
  });
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 5);
  const int row = session.screen().cursorRow();
  EXPECT_EQ(session.screen().row(row - 1), std::string(80, 'x'));
  EXPECT_EQ(session.screen().row(row), "xxxxx");
  EXPECT_EQ(session.screen().cursorCol(), 5);
}

TEST(ConsoleDriverOnTerminal, ExactRowThenLineEndLeavesAnEmptyRow) {
  PtySession session([] {
    Console::print(std::string(80, 'a'), Sep::EndLine);
    Console::print("next", Sep::EndLine);
    return 0;
  });
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  const auto rows = session.screen().rows();
  EXPECT_EQ(rows[0], std::string(80, 'a'));
  EXPECT_EQ(rows[1], "");
  EXPECT_EQ(rows[2], "next");
}

TEST(ConsoleDriverOnTerminal, FilledBottomRowWaitsForTheNextOutputToScroll) {
  PtySession session([] {
    Console::locate(24, 1, -1);
    Console::print("marker", Sep::EndLine);
    Console::print(std::string(80, 'b'), Sep::None);
    awaitGo();
    Console::print("z", Sep::None);
    return 0;
  });
  ASSERT_TRUE(session.waitForScreen(std::string(80, 'b'), kTimeoutMs));
  session.pump(200);
  EXPECT_EQ(session.screen().row(23), "marker");
  EXPECT_EQ(session.screen().row(24), std::string(80, 'b'));
  EXPECT_EQ(session.screen().cursorRow(), 24);
  EXPECT_EQ(session.screen().cursorCol(), 79);
  session.send("g");
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  EXPECT_EQ(session.screen().row(22), "marker");
  EXPECT_EQ(session.screen().row(23), std::string(80, 'b'));
  EXPECT_EQ(session.screen().row(24), "z");
}

TEST(ConsoleDriverOnTerminal, CodePage1251ShowsCyrillic) {
  PtySession session([] {
    posix::setConsoleCodePage(1251);
    Console::print("\xCF\xF0\xE8\xE2\xE5\xF2", Sep::None);  // "Privet" in code page 1251
    Console::print("!", Sep::EndLine);
    return Console::column();
  });
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  EXPECT_TRUE(session.screenContains("\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82!"));
  EXPECT_EQ(session.output().find('\xCF'), std::string::npos) << "no raw 1251 byte reaches the terminal";
}

TEST(ConsoleDriverOnTerminal, PrintedEscapeSequencesAreShownNotObeyed) {
  PtySession session([] {
    Console::print("keep", Sep::EndLine);
    Console::print("\x1b[2J\x1b[1;1Hhostile", Sep::EndLine);
    return 0;
  });
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  EXPECT_EQ(session.screen().row(0), "keep");
  EXPECT_EQ(session.screen().row(1), "?[2J?[1;1Hhostile");
}

TEST(ConsoleDriverOnTerminal, LocateAndCursorVisibility) {
  PtySession session([] {
    Console::locate(10, 30, 0);
    Console::write("here");
    const auto at = Console::cursorPosition();
    const bool ok = at == platform::CellPosition{10, 34} && Console::column() == 29 &&
                    Console::size() == platform::ConsoleSize{80, 25};
    Console::locate(99, 5, 1);  // out of range: the cursor stays, visibility applies
    return ok && Console::cursorPosition() == at ? 0 : 1;
  });
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  EXPECT_EQ(session.screen().row(9), std::string(29, ' ') + "here");
  EXPECT_NE(session.output().find("\x1b[?25l"), std::string::npos);
  EXPECT_TRUE(session.screen().cursorVisible());
}

TEST(ConsoleDriverOnTerminal, StartsAtTheCursorTheTerminalReports) {
  PtySession session([] {
    Console::print("after", Sep::None);
    return Console::column();
  });
  // The harness answers the cursor query with where its screen's cursor is: the top left.
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 5);
  EXPECT_EQ(session.screen().row(0), "after");
}

TEST(ConsoleDriverOnTerminal, TypedBytesBeforeTheCursorReportAreKept) {
  PtySession session([] {
    ::usleep(300 * 1000);  // the test types "ab" meanwhile, before the set-up
    return posix::terminal().inputIsTerminal && posix::takeEarlyInput() == "ab" ? 0 : 1;
  });
  session.send("ab");
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0) << session.output();
}

TEST(ConsoleDriverOnTerminal, NormalReturnRestoresTheTerminal) {
  PtySession session([] {
    Console::print("done", Sep::EndLine);
    std::exit(0);  // the way back from main: the restore is registered with atexit
    return 1;
  });
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  const termios now = session.settings();
  EXPECT_EQ(now.c_lflag, session.initialSettings().c_lflag);
  EXPECT_EQ(now.c_iflag, session.initialSettings().c_iflag);
  EXPECT_TRUE(session.screen().autoWrap());
}

TEST(ConsoleDriverOnTerminal, SuspendGivesTheTerminalBackAndResumeTakesItAgain) {
  PtySession session([] {
    Console::print("running", Sep::None);
    awaitGo();
    Console::print("+", Sep::None);
    return 0;
  });
  ASSERT_TRUE(session.waitForScreen("running", kTimeoutMs));
  session.send("\x1a");  // Ctrl+Z
  ASSERT_TRUE(session.waitForOutput("\x1b[?7h", kTimeoutMs));
  // The test's child is alone in its process group, so the stop itself does not
  // happen; what matters is that the modes are given back, then taken again.
  ASSERT_TRUE(session.waitForOutput("\x1b[?7h\x1b[?25h\x1b[?7l", kTimeoutMs)) << session.output();
  session.send("g");
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  EXPECT_TRUE(session.screenContains("running+"));
  EXPECT_EQ(session.settings().c_lflag & ECHO, 0u) << "raw again after the resume";
}

// ---- output or input not a terminal ----

TEST(ConsoleDriverRedirected, OutputNotATerminalGetsExactlyThePrintedBytes) {
  test::TempFolder folder;
  const std::string file = (folder / "out.txt").string();
  PtySession session([&] {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(fd, STDOUT_FILENO);
    posix::setConsoleCodePage(1251);
    Console::print(std::string(85, 'x') + "\x1b[2J\xCF\a\t", Sep::EndLine);
    Console::locate(3, 3, 0);
    Console::beep();
    return Console::cursorPosition() == platform::CellPosition{0, 0} &&
                   Console::size() == platform::ConsoleSize{80, 25}
               ? 0
               : 1;
  });
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  EXPECT_EQ(test::readFile(file), std::string(85, 'x') + "\x1b[2J\xCF\a\t\r\n");
}

TEST(ConsoleDriverRedirected, InputNotATerminalLeavesInputModesAndStartsAtTheBottom) {
  PtySession session([] {
    const int devNull = ::open("/dev/null", O_RDONLY);
    ::dup2(devNull, STDIN_FILENO);
    Console::print("bottom", Sep::None);
    termios now{};
    ::tcgetattr(STDOUT_FILENO, &now);
    return (now.c_lflag & (ICANON | ECHO)) == (ICANON | ECHO) ? 0 : 1;
  });
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 0);
  EXPECT_EQ(session.output().find("\x1b[6n"), std::string::npos) << "no cursor query without input";
  EXPECT_EQ(session.screen().row(24), "bottom") << session.output();
}

// ---- hang-up ----

TEST(ConsoleDriverHangup, ReportedToTheKeySource) {
  PtySession session([] {
    Console::print("ready", Sep::None);
    for (int i = 0; i < 400; ++i) {
      if (posix::takeHangup()) return posix::takeHangup() ? 2 : 42;  // reported once
      ::usleep(10 * 1000);
    }
    return 1;
  });
  ASSERT_TRUE(session.waitForScreen("ready", kTimeoutMs));
  session.signal(SIGHUP);
  EXPECT_EQ(session.waitExitCode(kTimeoutMs), 42);
}

TEST(ConsoleDriverHangup, EndsAProgramThatDoesNotPollKeys) {
  PtySession session([] {
    Console::print("busy", Sep::None);
    for (int second = 0; second < 30; ++second) ::sleep(1);  // busy, not polling keys
    return 1;
  });
  ASSERT_TRUE(session.waitForScreen("busy", kTimeoutMs));
  session.signal(SIGHUP);
  const auto status = session.waitExit(kTimeoutMs);
  ASSERT_TRUE(status.has_value());
  ASSERT_TRUE(WIFSIGNALED(*status));
  EXPECT_EQ(WTERMSIG(*status), SIGHUP);
}

}  // namespace
}  // namespace zemlar
