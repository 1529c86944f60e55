// Keys from a real terminal: a forked child on a pseudo-terminal polls keys and prints
// each key code on a line of its own, so the test sees what pollKey returned.
#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <string>

#include "rt/console.hpp"
#include "rt/keyboard.hpp"
#include "rt/posix/console_codepage.hpp"
#include "support/pty_session.hpp"

namespace zemlar {
namespace {

using testing::PtySession;

constexpr int kTimeoutMs = 5000;

// Prints "ready", then "key N!" for every key code N until the key "q".
int echoKeyCodes(int codePage) {
  posix::setConsoleCodePage(codePage);
  Console::print("ready", Sep::EndLine);
  for (;;) {
    const std::string key = pollKey();
    if (key.empty()) {
      waitForKey(1000);
      continue;
    }
    Console::print("key", Sep::None);
    Console::printInt(keyCodeOf(key), Sep::None);
    Console::print("!", Sep::EndLine);
    if (key == "q") return 0;
  }
}

TEST(TerminalKeys, ArriveAsTheNativeKeyCodes) {
  PtySession session([] { return echoKeyCodes(1251); });
  ASSERT_TRUE(session.waitForScreen("ready", kTimeoutMs)) << session.output();
  session.send("1\x1b[A\x1b[1;3S\x7f\xd0\xb6");
  session.send("\x1b");  // a lone ESC: the Esc key once the terminal stays quiet
  ASSERT_TRUE(session.waitForScreen("key 27!", kTimeoutMs)) << session.output();
  session.send("q");
  const auto status = session.waitExit(kTimeoutMs);
  ASSERT_TRUE(status && WIFEXITED(*status)) << session.output();
  const std::string& out = session.output();
  size_t at = 0;
  for (const char* expected : {"key 49!", "key 18687!", "key 27647!", "key 8!", "key 230!",
                               "key 27!", "key 113!"}) {
    at = out.find(expected, at);
    ASSERT_NE(at, std::string::npos) << expected << " in order in\n" << out;
  }
}

TEST(TerminalKeys, HangUpQueuesTheCloseKeyThenEnds) {
  PtySession session([] { return echoKeyCodes(65001) + 1; });  // "q" would give exit code 1
  ASSERT_TRUE(session.waitForScreen("ready", kTimeoutMs)) << session.output();
  session.signal(SIGHUP);
  const auto status = session.waitExit(kTimeoutMs);
  ASSERT_TRUE(status.has_value());
  ASSERT_TRUE(WIFEXITED(*status)) << "ended by the program, not by the signal";
  EXPECT_EQ(WEXITSTATUS(*status), 0);
  EXPECT_NE(session.output().find("key 27647!"), std::string::npos) << session.output();
}

}  // namespace
}  // namespace zemlar
