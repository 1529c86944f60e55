#include "support/pty_session.hpp"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "rt/posix/console_transcode.hpp"

namespace zemlar::testing {

namespace {

constexpr char kEsc = '\x1b';

int utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;  // a stray continuation byte: shown as itself
}

char32_t utf8CodePoint(std::string_view glyph) {
  if (glyph.size() == 1) return static_cast<unsigned char>(glyph[0]);
  char32_t c = static_cast<unsigned char>(glyph[0]) & (0x7F >> glyph.size());
  for (size_t i = 1; i < glyph.size(); ++i) c = (c << 6) | (static_cast<unsigned char>(glyph[i]) & 0x3F);
  return c;
}

std::vector<int> csiNumbers(std::string_view params) {
  std::vector<int> numbers{0};
  for (const char c : params) {
    if (c == ';') numbers.push_back(0);
    else if (c >= '0' && c <= '9') numbers.back() = numbers.back() * 10 + (c - '0');
  }
  return numbers;
}

}  // namespace

// ---- VtScreen ----

VtScreen::VtScreen(int cols, int rows)
    : cols_(cols), rows_(rows), cells_(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols), " ")) {}

std::string VtScreen::feed(std::string_view input) {
  std::string bytes = partial_ + std::string(input);
  partial_.clear();
  std::string replies;
  size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c == kEsc) {
      if (i + 1 >= bytes.size()) break;
      if (bytes[i + 1] != '[') {
        i += 2;
        continue;
      }
      size_t end = i + 2;
      while (end < bytes.size() && !(bytes[end] >= 0x40 && bytes[end] <= 0x7E)) ++end;
      if (end >= bytes.size()) break;
      csi(std::string_view(bytes).substr(i + 2, end - i - 2), bytes[end], replies);
      i = end + 1;
    } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
      control(c);
      ++i;
    } else {
      const size_t length = static_cast<size_t>(utf8Length(static_cast<unsigned char>(c)));
      if (i + length > bytes.size()) break;
      std::string glyph = bytes.substr(i, length);
      putGlyph(glyph, posix::terminalWidth(utf8CodePoint(glyph)));
      i += length;
    }
  }
  partial_ = bytes.substr(i);
  return replies;
}

void VtScreen::putGlyph(std::string glyph, int width) {
  if (wrapPending_) {
    col_ = 0;
    lineFeed();
  }
  wrapPending_ = false;
  if (col_ + width > cols_) col_ = cols_ - width;
  auto& line = cells_[static_cast<size_t>(row_)];
  line[static_cast<size_t>(col_)] = std::move(glyph);
  if (width == 2) line[static_cast<size_t>(col_ + 1)] = "";
  col_ += width;
  if (col_ >= cols_) {
    col_ = cols_ - 1;
    wrapPending_ = autoWrap_;
  }
}

void VtScreen::lineFeed() {
  wrapPending_ = false;
  if (row_ < rows_ - 1) {
    ++row_;
    return;
  }
  cells_.erase(cells_.begin());
  cells_.emplace_back(static_cast<size_t>(cols_), " ");
}

void VtScreen::control(char c) {
  switch (c) {
    case '\r':
      col_ = 0;
      wrapPending_ = false;
      break;
    case '\n':
      lineFeed();
      break;
    case '\b':
      if (col_ > 0) --col_;
      wrapPending_ = false;
      break;
    case '\a':
      ++bells_;
      break;
    default:
      break;
  }
}

void VtScreen::csi(std::string_view params, char final, std::string& replies) {
  if (!params.empty() && params.front() == '?') {
    const int mode = csiNumbers(params.substr(1))[0];
    if (final != 'h' && final != 'l') return;
    if (mode == 7) autoWrap_ = final == 'h';
    if (mode == 25) cursorVisible_ = final == 'h';
    return;
  }
  const std::vector<int> n = csiNumbers(params);
  if (final == 'H' || final == 'f') {
    row_ = std::clamp(std::max(n[0], 1), 1, rows_) - 1;
    col_ = std::clamp(n.size() > 1 ? std::max(n[1], 1) : 1, 1, cols_) - 1;
    wrapPending_ = false;
  } else if (final == 'n' && n[0] == 6) {
    replies += "\x1b[" + std::to_string(row_ + 1) + ";" + std::to_string(col_ + 1) + "R";
  } else if (final == 'J' && n[0] == 2) {
    for (auto& line : cells_) line.assign(static_cast<size_t>(cols_), " ");
  } else if (final == 'K') {
    auto& line = cells_[static_cast<size_t>(row_)];
    for (int c = col_; c < cols_; ++c) line[static_cast<size_t>(c)] = " ";
  }
}

std::string VtScreen::row(int r) const {
  std::string text;
  for (const auto& cell : cells_[static_cast<size_t>(r)]) text += cell;
  const size_t end = text.find_last_not_of(' ');
  return end == std::string::npos ? "" : text.substr(0, end + 1);
}

std::vector<std::string> VtScreen::rows() const {
  std::vector<std::string> all;
  for (int r = 0; r < rows_; ++r) all.push_back(row(r));
  return all;
}

// ---- PtySession ----

PtySession::PtySession(const std::vector<std::string>& argv, const std::string& workDir, int cols, int rows)
    : screen_(cols, rows) {
  start(
      [&] {
        if (::chdir(workDir.c_str()) != 0) ::_exit(126);
        std::vector<char*> args;
        for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
      },
      cols, rows);
}

PtySession::PtySession(const std::function<int()>& child, int cols, int rows) : screen_(cols, rows) {
  start([&] { ::_exit(child()); }, cols, rows);
}

void PtySession::start(const std::function<void()>& inChild, int cols, int rows) {
  winsize size{};
  size.ws_col = static_cast<unsigned short>(cols);
  size.ws_row = static_cast<unsigned short>(rows);
  // The settings a fresh pty starts with, so tests can compare after the child ends.
  int probeMaster = -1, probeSlave = -1;
  if (::openpty(&probeMaster, &probeSlave, nullptr, nullptr, &size) == 0) {
    ::tcgetattr(probeSlave, &initial_);
    ::close(probeSlave);
    ::close(probeMaster);
  }
  pid_ = ::forkpty(&master_, nullptr, &initial_, &size);
  if (pid_ == 0) {
    ::setenv("TERM", "xterm", 1);
    inChild();
    ::_exit(127);
  }
}

PtySession::~PtySession() {
  if (pid_ > 0 && !status_) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  if (master_ >= 0) ::close(master_);
}

void PtySession::send(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(master_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

bool PtySession::pump(int timeoutMs) {
  pollfd fd{master_, POLLIN, 0};
  if (::poll(&fd, 1, timeoutMs) <= 0) return false;
  std::array<char, 4096> chunk{};
  const ssize_t n = ::read(master_, chunk.data(), chunk.size());
  if (n <= 0) return false;  // EIO: the child's side is closed
  const std::string_view bytes(chunk.data(), static_cast<size_t>(n));
  output_ += bytes;
  const std::string replies = screen_.feed(bytes);
  if (!replies.empty()) send(replies);
  return true;
}

bool PtySession::screenContains(std::string_view text) const {
  for (const auto& line : screen_.rows())
    if (line.find(text) != std::string::npos) return true;
  return false;
}

bool PtySession::pumpUntil(int timeoutMs, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    pump(20);
  }
  return true;
}

bool PtySession::waitForScreen(std::string_view text, int timeoutMs) {
  return pumpUntil(timeoutMs, [&] { return screenContains(text); });
}

bool PtySession::waitForOutput(std::string_view bytes, int timeoutMs) {
  return pumpUntil(timeoutMs, [&] { return output_.find(bytes) != std::string::npos; });
}

std::optional<int> PtySession::waitExit(int timeoutMs) {
  const bool ended = pumpUntil(timeoutMs, [&] {
    int status = 0;
    if (!status_ && ::waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return status_.has_value();
  });
  if (ended)
    while (pump(50)) {
    }
  return status_;
}

int PtySession::waitExitCode(int timeoutMs) {
  const auto status = waitExit(timeoutMs);
  if (!status || !WIFEXITED(*status)) return -1;
  return WEXITSTATUS(*status);
}

void PtySession::signal(int sig) { ::kill(pid_, sig); }

void PtySession::resize(int cols, int rows) {
  winsize size{};
  size.ws_col = static_cast<unsigned short>(cols);
  size.ws_row = static_cast<unsigned short>(rows);
  ::ioctl(master_, TIOCSWINSZ, &size);
}

termios PtySession::settings() const {
  termios now{};
  ::tcgetattr(master_, &now);
  return now;
}

}  // namespace zemlar::testing
