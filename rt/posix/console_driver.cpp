// The console on a POSIX terminal. The driver is the terminal's only writer: it keeps
// the cursor and the cells itself (the cell model), places bytes with the rules of the
// native console and, with the terminal's auto-wrap off, moves the cursor explicitly.
// Each driver call goes out in one write(2). When standard output is not a terminal,
// exactly the printed bytes go out.
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "rt/cell_model.hpp"
#include "rt/platform.hpp"
#include "rt/posix/console_codepage.hpp"
#include "rt/posix/console_transcode.hpp"
#include "rt/posix/terminal.hpp"

namespace zemlar::platform {

namespace {

// ---- escape sequences ----
constexpr std::string_view kCursorHide = "\x1b[?25l";
constexpr std::string_view kCursorShow = "\x1b[?25h";
constexpr std::string_view kCursorToPrefix = "\x1b[";  // kCursorToPrefix row ; col kCursorToFinal
constexpr char kCursorToSeparator = ';';
constexpr char kCursorToFinal = 'H';
constexpr std::string_view kScrollAtBottom = "\r\n";  // on the bottom row: scrolls one line
constexpr char kBell = '\a';

constexpr ConsoleSize kNoConsoleSize{80, 25};

void writeAll(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the rest of this write is dropped
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

// ---- the terminal screen ----

// Turns the cell model's decisions into terminal output, gathered for one write(2).
class TerminalScreen final : public CellSink {
 public:
  // The terminal's cursor is known only when it was measured; else the first output
  // moves it to where the model assumes it.
  TerminalScreen(int cols, int rows, CellCursor cursor, bool cursorMeasured)
      : model_(cols, rows, cursor), known_(cursorMeasured ? std::optional(model_.cursor()) : std::nullopt) {}

  CellModel& model() { return model_; }
  const CellModel& model() const { return model_; }
  void forgetTerminalCursor() { known_.reset(); }
  std::string& out() { return out_; }

  void put(int row, int col, std::string_view bytes) override {
    const posix::ShownCells shown =
        posix::showCells(model_.row(row), col, col + static_cast<int>(bytes.size()), posix::consoleCodePage());
    moveTo({row, shown.from});
    out_ += shown.text;
    // With auto-wrap off the terminal keeps its cursor on the last column.
    known_ = shown.to < model_.cols() ? std::optional<CellCursor>({row, shown.to}) : std::nullopt;
  }

  void scroll(int lines) override {
    moveTo({model_.rows() - 1, known_ ? known_->col : 0});
    for (int i = 0; i < lines; ++i) out_ += kScrollAtBottom;
    known_ = CellCursor{model_.rows() - 1, 0};
  }

  void beep() override { out_ += kBell; }

  // Ends one driver call: the terminal cursor where the model has it, then one write.
  void finish() {
    moveTo(model_.cursor());
    writeAll(out_);
    out_.clear();
  }

 private:
  void moveTo(CellCursor target) {
    if (known_ == target) return;
    out_ += kCursorToPrefix;
    out_ += std::to_string(target.row + 1);
    out_ += kCursorToSeparator;
    out_ += std::to_string(target.col + 1);
    out_ += kCursorToFinal;
    known_ = target;
  }

  CellModel model_;
  std::optional<CellCursor> known_;  // the terminal's cursor, when the driver knows it
  std::string out_;
};

// The driver's state for the run; absent when standard output is not a terminal.
TerminalScreen* screenState() {
  static std::optional<TerminalScreen> instance = []() -> std::optional<TerminalScreen> {
    const posix::TerminalInfo& info = posix::terminal();
    if (!info.outputIsTerminal) return std::nullopt;
    return std::optional<TerminalScreen>(std::in_place, info.cols, info.rows,
                                         CellCursor{info.cursorRow, info.cursorCol}, info.cursorMeasured);
  }();
  return instance ? &*instance : nullptr;
}

TerminalScreen* screen() {
  TerminalScreen* terminal = screenState();
  if (terminal && posix::takeResumed()) terminal->forgetTerminalCursor();
  return terminal;
}

}  // namespace

// ---- console functions ----

bool outputIsConsole() { return screen() != nullptr; }

int consoleWidth() { return screen() ? screen()->model().cols() : kNoConsoleSize.cols; }

int consoleStartColumn() { return screen() ? posix::terminal().cursorCol : 0; }

void consoleWrite(std::string_view bytes) {
  if (bytes.empty()) return;
  TerminalScreen* terminal = screen();
  if (!terminal) return writeAll(bytes);
  terminal->model().write(bytes, *terminal);
  terminal->finish();
}

void consoleFlushPendingAdvance() {
  if (TerminalScreen* terminal = screen()) {
    terminal->model().flushPendingAdvance(*terminal);
    terminal->finish();
  }
}

bool consoleLocate(int row, int col, int cursorVisible) {
  TerminalScreen* terminal = screen();
  if (!terminal) return false;
  const bool applied = terminal->model().locate(row, col);
  if (cursorVisible == 0) terminal->out() += kCursorHide;
  if (cursorVisible == 1) terminal->out() += kCursorShow;
  terminal->finish();
  return applied;
}

CellPosition consoleCursorPosition() {
  const TerminalScreen* terminal = screen();
  if (!terminal) return {0, 0};
  const CellCursor position = terminal->model().cursorPosition();
  return {position.row, position.col};
}

ConsoleSize consoleSize() {
  const TerminalScreen* terminal = screen();
  if (!terminal) return kNoConsoleSize;
  return {terminal->model().cols(), terminal->model().rows()};
}

// A beep is no printed byte: it never goes into redirected output.
void consoleBeep() {
  if (screen()) writeAll(std::string_view(&kBell, 1));
}

void restoreConsole() { posix::restoreTerminal(); }

}  // namespace zemlar::platform
