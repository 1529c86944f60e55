#pragma once
// A program in a pseudo-terminal, for tests: it starts a program (or a function in a
// forked child) on a pty of a fixed size, sends bytes as a user's terminal does, answers
// cursor position queries, and keeps a small screen fed by what the program writes.
#include <sys/types.h>
#include <termios.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zemlar::testing {

// A minimal VT screen for the sequences the console driver emits: printable UTF-8
// text, CR, LF (scrolling at the bottom row), BS, BEL, CUP (ESC[r;cH), ESC[?7h/l
// (auto-wrap) and ESC[?25h/l (cursor visibility). Other sequences are skipped.
class VtScreen {
 public:
  VtScreen(int cols, int rows);
  // Feeds output; returns the replies the terminal sends back (cursor reports).
  std::string feed(std::string_view bytes);

  std::string row(int r) const;  // UTF-8 text of one row, trailing spaces removed
  std::vector<std::string> rows() const;
  int cursorRow() const { return row_; }  // 0-based
  int cursorCol() const { return col_; }
  bool autoWrap() const { return autoWrap_; }
  bool cursorVisible() const { return cursorVisible_; }
  int bells() const { return bells_; }

 private:
  void putGlyph(std::string glyph, int width);
  void lineFeed();
  void control(char c);
  void csi(std::string_view params, char final, std::string& replies);

  int cols_, rows_;
  std::vector<std::vector<std::string>> cells_;  // "" marks the right half of a wide glyph
  int row_ = 0, col_ = 0;
  bool wrapPending_ = false;
  bool autoWrap_ = true;
  bool cursorVisible_ = true;
  int bells_ = 0;
  std::string partial_;  // an incomplete sequence or character from the last feed
};

class PtySession {
 public:
  static constexpr int kCols = 80;
  static constexpr int kRows = 25;

  // Runs argv[0] with argv in the folder workDir.
  PtySession(const std::vector<std::string>& argv, const std::string& workDir, int cols = kCols,
             int rows = kRows);
  // Runs a function in a forked child; its result is the child's exit code.
  explicit PtySession(const std::function<int()>& child, int cols = kCols, int rows = kRows);
  ~PtySession();
  PtySession(const PtySession&) = delete;
  PtySession& operator=(const PtySession&) = delete;

  void send(std::string_view bytes);
  // Reads output for up to timeoutMs; false when nothing came.
  bool pump(int timeoutMs);
  // Pumps until done() is true; false after timeoutMs.
  bool pumpUntil(int timeoutMs, const std::function<bool()>& done);
  // Pumps until a screen row contains text; false after timeoutMs.
  bool waitForScreen(std::string_view text, int timeoutMs);
  // Pumps until the raw output contains bytes; false after timeoutMs.
  bool waitForOutput(std::string_view bytes, int timeoutMs);
  // Waits for the child to end and reads all it wrote; the wait status, or nothing.
  std::optional<int> waitExit(int timeoutMs);
  // The child's exit code; -1 when it did not end in time or ended by a signal.
  int waitExitCode(int timeoutMs);
  void signal(int sig);
  // Sets the terminal's window size as a user resizing the window does; the kernel
  // sends SIGWINCH to the program. The screen model keeps its own size.
  void resize(int cols, int rows);

  const std::string& output() const { return output_; }
  const VtScreen& screen() const { return screen_; }
  bool screenContains(std::string_view text) const;
  // The pty's settings now, and as they were before the child started.
  termios settings() const;
  const termios& initialSettings() const { return initial_; }

 private:
  void start(const std::function<void()>& inChild, int cols, int rows);

  int master_ = -1;
  pid_t pid_ = -1;
  std::optional<int> status_;
  termios initial_{};
  std::string output_;
  VtScreen screen_;
};

}  // namespace zemlar::testing
