#include "support/pty_run.hpp"

#include <sys/wait.h>
#include <termios.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>

namespace zemlar::e2e_pty {

namespace fs = std::filesystem;

namespace {

// The screen and the last output, for failure messages.
std::string describe(const PtySession& session) {
  std::ostringstream text;
  text << "screen:\n";
  const auto rows = session.screen().rows();
  for (size_t r = 0; r < rows.size(); ++r) text << "  [" << r << "] \"" << rows[r] << "\"\n";
  const std::string& out = session.output();
  const size_t tail = 600;
  text << "last output bytes: \"" << (out.size() > tail ? out.substr(out.size() - tail) : out) << "\"";
  return text.str();
}

}  // namespace

::testing::AssertionResult showsAfter(PtySession& session, size_t mark, std::string_view text, int timeoutMs) {
  if (session.pumpUntil(timeoutMs, [&] { return session.output().find(text, mark) != std::string::npos; }))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << text << "\" did not show; " << describe(session);
}

::testing::AssertionResult press(PtySession& session, std::string_view keys, std::string_view then) {
  const size_t mark = session.output().size();
  session.send(keys);
  return showsAfter(session, mark, then);
}

::testing::AssertionResult onScreen(PtySession& session, std::string_view text) {
  if (session.waitForScreen(text, kStateTimeoutMs)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no screen row shows \"" << text << "\"; " << describe(session);
}

::testing::AssertionResult staysQuiet(PtySession& session) {
  const size_t mark = session.output().size();
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(kQuietMs);
  while (std::chrono::steady_clock::now() < until) session.pump(20);
  if (session.output().size() == mark) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "wrote \"" << session.output().substr(mark) << "\"";
}

::testing::AssertionResult settles(PtySession& session) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStateTimeoutMs);
  while (std::chrono::steady_clock::now() < deadline)
    if (staysQuiet(session)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "output never stopped; " << describe(session);
}

::testing::AssertionResult endsWithCodeZero(PtySession& session) {
  const auto status = session.waitExit(kStateTimeoutMs);
  if (!status) return ::testing::AssertionFailure() << "still running; " << describe(session);
  if (!WIFEXITED(*status))
    return ::testing::AssertionFailure() << "ended by signal " << WTERMSIG(*status) << "; " << describe(session);
  if (WEXITSTATUS(*status) != 0)
    return ::testing::AssertionFailure() << "exit code " << WEXITSTATUS(*status) << "; " << describe(session);
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult terminalRestored(const PtySession& session) {
  const termios now = session.settings();
  const termios& before = session.initialSettings();
  if (now.c_iflag != before.c_iflag || now.c_oflag != before.c_oflag || now.c_cflag != before.c_cflag ||
      now.c_lflag != before.c_lflag || !std::equal(std::begin(now.c_cc), std::end(now.c_cc), std::begin(before.c_cc)))
    return ::testing::AssertionFailure() << "termios differ: lflag " << now.c_lflag << " was " << before.c_lflag
                                         << ", iflag " << now.c_iflag << " was " << before.c_iflag;
  // Auto-wrap was switched off while the program ran; it must be on again.
  const std::string& out = session.output();
  const size_t off = out.find("\x1b[?7l");
  if (off == std::string::npos) return ::testing::AssertionFailure() << "auto-wrap was never switched off";
  if (out.find("\x1b[?7h", off) == std::string::npos || !session.screen().autoWrap())
    return ::testing::AssertionFailure() << "auto-wrap left off";
  if (!session.screen().cursorVisible()) return ::testing::AssertionFailure() << "cursor left hidden";
  return ::testing::AssertionSuccess();
}

std::vector<Step> then(std::vector<Step> steps, std::initializer_list<Step> more) {
  steps.insert(steps.end(), more);
  return steps;
}

const std::vector<Step> kToTerms = {{"", kTermsPrompt}};
const std::vector<Step> kToFont = then(kToTerms, {{"1", kContinueEndPrompt}});
const std::vector<Step> kToInstallation = then(kToFont, {{"1", kContinueEndPrompt}});
const std::vector<Step> kToMenu = then(kToInstallation, {{"1", kMenuEnd}});
const std::vector<Step> kToFilePrompt = then(kToMenu, {{"3", kCodePagePrompt}, {"3\r", kFilePrompt}});
const std::vector<Step> kToWordsPrompt = then(kToFilePrompt, {{"1\r", kWordsPrompt}});

int rowStartingWith(const PtySession& session, std::string_view text) {
  const auto rows = session.screen().rows();
  for (size_t r = 0; r < rows.size(); ++r)
    if (rows[r].starts_with(text)) return static_cast<int>(r);
  return -1;
}

PtyRun::PtyRun() {
  fs::create_directory(folder / "txt_in");
  fs::create_directory(folder / "htm_out");
  fs::copy_file(ZEMLAR_CONVERTCP, folder / "convertcp.exe");
}

void PtyRun::addList(std::string_view name, std::string_view bytes) {
  std::string path = "txt_in/";
  path += name;
  folder.write(path, bytes);
}

std::unique_ptr<PtySession> PtyRun::start(std::string_view name) {
  const fs::path program = folder / name;
  fs::create_symlink(ZEMLAR_EXE_064, program);
  return std::make_unique<PtySession>(std::vector<std::string>{program.string()}, folder.path().string());
}

std::unique_ptr<PtySession> PtyRun::runSteps(std::string_view programName, const std::vector<Step>& steps) {
  auto session = start(programName);
  for (const Step& step : steps) EXPECT_TRUE(press(*session, step.keys, step.shows)) << "after \"" << step.keys << "\"";
  return session;
}

}  // namespace zemlar::e2e_pty
