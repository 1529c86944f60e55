// The terminal's modes: set up at the first console use, put back at every end of the
// program, including the signals that end it. The restore path only uses write(2) and
// tcsetattr on data prepared at set-up, so a signal handler may run it.
#include "rt/posix/terminal.hpp"

#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <utility>

namespace zemlar::posix {

namespace {

// ---- escape sequences ----
constexpr std::string_view kAutoWrapOff = "\x1b[?7l";
constexpr std::string_view kCursorQuery = "\x1b[6n";
// Auto-wrap on, cursor visible: what the terminal had before the program.
constexpr std::string_view kRestoreSequence = "\x1b[?7h\x1b[?25h";

constexpr int kCursorReplyWaitMs = 200;
constexpr unsigned kHangupGraceSeconds = 2;
constexpr std::array kEndingSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// ---- state for the run (read by signal handlers) ----
struct SavedModes {
  termios input{};
  termios raw{};
  bool restoreInput = false;   // input modes were changed
  bool restoreOutput = false;  // auto-wrap was switched off
};
SavedModes saved;
std::atomic<bool> restorePending{false};
volatile sig_atomic_t hungUp = 0;
volatile sig_atomic_t resumed = 0;
std::string earlyInput;

static_assert(std::atomic<bool>::is_always_lock_free, "the restore flag is used in signal handlers");

// ---- restore ----

void writeAllRaw(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

void restoreNow() {
  if (!restorePending.exchange(false)) return;
  const int savedErrno = errno;
  if (saved.restoreOutput) writeAllRaw(STDOUT_FILENO, kRestoreSequence);
  if (saved.restoreInput) ::tcsetattr(STDIN_FILENO, TCSANOW, &saved.input);
  errno = savedErrno;
}

// Switches the program's modes on again after a suspension.
void reapplyNow() {
  const int savedErrno = errno;
  if (saved.restoreInput) ::tcsetattr(STDIN_FILENO, TCSANOW, &saved.raw);
  if (saved.restoreOutput) writeAllRaw(STDOUT_FILENO, kAutoWrapOff);
  restorePending = true;
  errno = savedErrno;
}

// ---- signals ----

void setHandler(int signal, void (*handler)(int), int flags) {
  struct sigaction action {};
  action.sa_handler = handler;
  action.sa_flags = flags;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
}

void raiseWithDefaultAction(int signal) {
  setHandler(signal, SIG_DFL, 0);
  ::raise(signal);
}

void onHangupGraceOver(int) { raiseWithDefaultAction(SIGHUP); }

void onEndingSignal(int signal) {
  restoreNow();
  if (signal == SIGHUP) {
    hungUp = 1;
    setHandler(SIGALRM, onHangupGraceOver, SA_RESTART);
    ::alarm(kHangupGraceSeconds);
    return;
  }
  raiseWithDefaultAction(signal);
}

// Ctrl+Z: the shell gets its terminal back while the program is stopped, and the
// program's modes return when it continues.
void onSuspend(int) {
  const bool active = restorePending.load();
  restoreNow();
  setHandler(SIGTSTP, SIG_DFL, 0);
  ::raise(SIGTSTP);  // stops here until SIGCONT
  setHandler(SIGTSTP, onSuspend, SA_NODEFER | SA_RESTART);
  if (active) reapplyNow();
  resumed = 1;
}

void installRestoreHandlers() {
  for (const int signal : kEndingSignals) {
    struct sigaction current {};
    ::sigaction(signal, nullptr, &current);
    if (current.sa_handler == SIG_IGN) continue;  // e.g. started with nohup: keep ignoring
    // A hang-up returns to the program, whose blocked calls go on (SA_RESTART); the
    // other signals end it at once.
    setHandler(signal, onEndingSignal, signal == SIGHUP ? SA_RESTART : SA_NODEFER | SA_RESETHAND);
  }
  struct sigaction suspend {};
  ::sigaction(SIGTSTP, nullptr, &suspend);
  if (suspend.sa_handler != SIG_IGN) setHandler(SIGTSTP, onSuspend, SA_NODEFER | SA_RESTART);
  std::atexit(restoreNow);
}

// ---- set-up ----

void switchInputToRaw() {
  if (::tcgetattr(STDIN_FILENO, &saved.input) != 0) return;
  termios raw = saved.input;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
  raw.c_iflag &= ~static_cast<tcflag_t>(ICRNL | IXON);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  saved.raw = raw;
  if (::tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0) saved.restoreInput = true;
}

void measureSize(TerminalInfo& info) {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
    info.cols = size.ws_col;
    info.rows = size.ws_row;
  }
}

// Reads standard input until the cursor report arrives or the wait is over; every
// other byte read meanwhile is kept as typed input.
std::optional<CursorReport> awaitCursorReport() {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(kCursorReplyWaitMs);
  std::string bytes;
  for (;;) {
    if (auto report = findCursorReport(bytes)) {
      earlyInput += bytes.substr(0, report->begin) + bytes.substr(report->end);
      return report;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) break;
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const int ready = ::poll(&input, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) break;
    std::array<char, 256> chunk{};
    const ssize_t n = ::read(STDIN_FILENO, chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    bytes.append(chunk.data(), static_cast<size_t>(n));
  }
  earlyInput += bytes;
  return std::nullopt;
}

void placeCursor(TerminalInfo& info, const std::optional<CursorReport>& report) {
  info.cursorRow = info.rows - 1;
  info.cursorCol = 0;
  if (!report) return;
  info.cursorMeasured = true;
  if (report->row >= 1 && report->row <= info.rows) info.cursorRow = report->row - 1;
  if (report->col >= 1 && report->col <= info.cols) info.cursorCol = report->col - 1;
}

TerminalInfo setUp() {
  TerminalInfo info;
  info.outputIsTerminal = ::isatty(STDOUT_FILENO) == 1;
  if (!info.outputIsTerminal) return info;
  info.inputIsTerminal = ::isatty(STDIN_FILENO) == 1;
  measureSize(info);
  saved.restoreOutput = true;
  if (info.inputIsTerminal) switchInputToRaw();
  info.inputIsTerminal = saved.restoreInput;
  restorePending = true;
  installRestoreHandlers();
  std::string start(kAutoWrapOff);
  if (info.inputIsTerminal) start += kCursorQuery;
  writeAllRaw(STDOUT_FILENO, start);
  placeCursor(info, info.inputIsTerminal ? awaitCursorReport() : std::nullopt);
  return info;
}

// Digits from pos; false when there are none.
bool readNumber(std::string_view bytes, size_t& pos, int& value) {
  const size_t start = pos;
  value = 0;
  while (pos < bytes.size() && bytes[pos] >= '0' && bytes[pos] <= '9' && pos - start < 6)
    value = value * 10 + (bytes[pos++] - '0');
  return pos > start;
}

}  // namespace

std::optional<CursorReport> findCursorReport(std::string_view bytes) {
  for (size_t begin = bytes.find('\x1b'); begin != std::string_view::npos; begin = bytes.find('\x1b', begin + 1)) {
    size_t pos = begin + 1;
    CursorReport report;
    if (pos >= bytes.size() || bytes[pos++] != '[') continue;
    if (!readNumber(bytes, pos, report.row) || pos >= bytes.size() || bytes[pos++] != ';') continue;
    if (!readNumber(bytes, pos, report.col) || pos >= bytes.size() || bytes[pos++] != 'R') continue;
    report.begin = begin;
    report.end = pos;
    return report;
  }
  return std::nullopt;
}

const TerminalInfo& terminal() {
  static const TerminalInfo info = setUp();
  return info;
}

void restoreTerminal() { restoreNow(); }

bool takeHangup() {
  if (hungUp == 0) return false;
  hungUp = 0;
  return true;
}

bool takeResumed() {
  if (resumed == 0) return false;
  resumed = 0;
  return true;
}

std::string takeEarlyInput() { return std::exchange(earlyInput, {}); }

}  // namespace zemlar::posix
