// The console driver on the Windows console. The placement rules are the portable cell
// model's; this file shows its decisions in the screen buffer. Commands run through
// system() write to the same console behind the driver's back, so every call starts
// from the real cursor and window. When standard output is not a console, exactly the
// printed bytes go out with WriteFile.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "rt/cell_model.hpp"
#include "rt/platform.hpp"
#include "rt/win32/console_handles.hpp"

namespace zemlar::platform {

namespace {

constexpr ConsoleSize kNoConsoleSize{80, 25};
constexpr WORD kDefaultAttributes = 7;  // light grey on black
constexpr std::size_t kMaxCellRun = 1024;
constexpr DWORD kBeepHz = 1000;
constexpr DWORD kBeepMs = 250;

void writeFileAll(HANDLE out, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    if (!WriteFile(out, bytes.data(), chunk, &written, nullptr) || written == 0) return;
    bytes.remove_prefix(written);
  }
}

// The screen buffer information, or the stand-in the driver works with when it
// cannot be read: the window's top-left cell of an 80 x 25 buffer, attribute 7.
CONSOLE_SCREEN_BUFFER_INFO screenInfo(HANDLE out) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(out, &info)) return info;
  info.dwSize = {80, 25};
  info.srWindow = {0, 0, 79, 24};
  info.dwCursorPosition = {0, 0};
  info.wAttributes = kDefaultAttributes;
  return info;
}

// One console screen buffer as the cell model sees it: a window of `height` rows
// starting at buffer row top_, across the whole buffer width.
class ConsoleScreen final : public CellSink {
 public:
  ConsoleScreen(HANDLE out, const CONSOLE_SCREEN_BUFFER_INFO& first)
      : out_(out), height_(first.srWindow.Bottom - first.srWindow.Top + 1), startColumn_(first.dwCursorPosition.X) {}

  int startColumn() const { return startColumn_; }
  int height() const { return height_; }
  int width() const { return model_ ? model_->cols() : 80; }

  // Takes the real console state at the start of a driver call.
  CellModel& begin() {
    const CONSOLE_SCREEN_BUFFER_INFO info = screenInfo(out_);
    attributes_ = info.wAttributes;
    bufferRows_ = info.dwSize.Y;
    window_ = info.srWindow;
    top_ = info.srWindow.Top;
    windowMoved_ = false;
    if (!model_ || model_->cols() != info.dwSize.X) model_.emplace(info.dwSize.X, height_);
    const COORD cursor = info.dwCursorPosition;
    keepCursorInWindow(cursor.Y);
    const CellCursor real{cursor.Y - top_, cursor.X};
    // A pending advance survives only while nobody else has moved the cursor.
    if (!(model_->pendingAdvance() && model_->cursor() == real)) model_->setCursor(real);
    return *model_;
  }

  // Ends a driver call: the console cursor where the model has it, the window after it.
  void finish() {
    const CellCursor cursor = model_->cursor();
    SetConsoleCursorPosition(out_, COORD{static_cast<SHORT>(cursor.col), static_cast<SHORT>(top_ + cursor.row)});
    if (windowMoved_) {
      SMALL_RECT window = window_;
      window.Top = static_cast<SHORT>(top_);
      window.Bottom = static_cast<SHORT>(top_ + height_ - 1);
      SetConsoleWindowInfo(out_, TRUE, &window);
    }
  }

  void put(int row, int col, std::string_view bytes) override {
    while (!bytes.empty()) {
      const std::string_view run = bytes.substr(0, kMaxCellRun);
      if (!writeCells(top_ + row, col, run)) return;  // the rest of this run is dropped
      col += static_cast<int>(run.size());
      bytes.remove_prefix(run.size());
    }
  }

  // The window moves down while the buffer has rows below it; the rest of the rows
  // come from moving the whole buffer up.
  void scroll(int lines) override {
    const int below = std::max(bufferRows_ - (top_ + height_), 0);
    const int moved = std::min(lines, below);
    if (moved > 0) {
      top_ += moved;
      windowMoved_ = true;
    }
    if (lines > moved) scrollBuffer(lines - moved);
  }

  void beep() override { Beep(kBeepHz, kBeepMs); }

  // 1 shows, 0 hides the cursor; any other value keeps it.
  void setCursorVisible(int cursorVisible) {
    if (cursorVisible != 0 && cursorVisible != 1) return;
    CONSOLE_CURSOR_INFO cursor{};
    if (!GetConsoleCursorInfo(out_, &cursor)) return;
    cursor.bVisible = cursorVisible == 1;
    if (SetConsoleCursorInfo(out_, &cursor)) hidCursor_ = cursorVisible == 0;
  }

  // At the end of the program a cursor the program hid is shown again.
  void showHiddenCursor() {
    if (hidCursor_) setCursorVisible(1);
  }

 private:
  bool writeCells(int row, int col, std::string_view run) {
    cells_.resize(run.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
      cells_[i].Char.AsciiChar = run[i];
      cells_[i].Attributes = attributes_;
    }
    const SHORT count = static_cast<SHORT>(run.size());
    SMALL_RECT target{static_cast<SHORT>(col), static_cast<SHORT>(row), static_cast<SHORT>(col + count - 1),
                      static_cast<SHORT>(row)};
    return WriteConsoleOutputA(out_, cells_.data(), COORD{count, 1}, COORD{0, 0}, &target) != 0;
  }

  // Rows `lines` and below move to the top; the freed rows at the bottom are blanked
  // by the move itself, or row by row when it cannot be made.
  void scrollBuffer(int lines) {
    const int cols = model_->cols();
    if (lines < bufferRows_) {
      const SMALL_RECT moved{0, static_cast<SHORT>(lines), static_cast<SHORT>(cols - 1),
                             static_cast<SHORT>(bufferRows_ - 1)};
      CHAR_INFO blank{};
      blank.Char.AsciiChar = ' ';
      blank.Attributes = attributes_;
      if (ScrollConsoleScreenBufferA(out_, &moved, nullptr, COORD{0, 0}, &blank)) return;
    }
    blankRows(std::max(top_ + height_ - lines, top_), top_ + height_);
  }

  void blankRows(int from, int to) {
    for (int row = from; row < to; ++row) {
      DWORD done = 0;
      const COORD start{0, static_cast<SHORT>(row)};
      FillConsoleOutputCharacterA(out_, ' ', static_cast<DWORD>(model_->cols()), start, &done);
      FillConsoleOutputAttribute(out_, attributes_, static_cast<DWORD>(model_->cols()), start, &done);
    }
  }

  // A cursor outside the window (the user scrolled it, or a command left it below)
  // brings the window to it, so the model's rows are the rows the cursor is in.
  void keepCursorInWindow(int cursorRow) {
    int top = top_;
    if (cursorRow < top) top = cursorRow;
    if (cursorRow >= top + height_) top = cursorRow - height_ + 1;
    top = std::clamp(top, 0, std::max(bufferRows_ - height_, 0));
    if (top != top_) {
      top_ = top;
      windowMoved_ = true;
    }
  }

  HANDLE out_;
  int height_;  // the window height measured at the first use, kept for the run
  int startColumn_;
  std::optional<CellModel> model_;
  WORD attributes_ = kDefaultAttributes;
  int bufferRows_ = 25;
  SMALL_RECT window_{};
  int top_ = 0;
  bool windowMoved_ = false;
  bool hidCursor_ = false;
  std::vector<CHAR_INFO> cells_;

};

// The driver for the run; absent when standard output is not a console.
ConsoleScreen* screen() {
  static std::optional<ConsoleScreen> instance = []() -> std::optional<ConsoleScreen> {
    const HANDLE out = win32::consoleHandles().output;
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(out, &info)) return std::nullopt;
    std::optional<ConsoleScreen> made(std::in_place, out, info);
    made->begin();
    return made;
  }();
  return instance ? &*instance : nullptr;
}

}  // namespace

bool outputIsConsole() { return screen() != nullptr; }

int consoleWidth() { return screen() ? screen()->width() : kNoConsoleSize.cols; }

int consoleStartColumn() { return screen() ? screen()->startColumn() : 0; }

void consoleWrite(std::string_view bytes) {
  if (bytes.empty()) return;
  ConsoleScreen* console = screen();
  if (!console) return writeFileAll(win32::consoleHandles().output, bytes);
  console->begin().write(bytes, *console);
  console->finish();
}

void consoleFlushPendingAdvance() {
  if (ConsoleScreen* console = screen()) {
    console->begin().flushPendingAdvance(*console);
    console->finish();
  }
}

bool consoleLocate(int row, int col, int cursorVisible) {
  ConsoleScreen* console = screen();
  if (!console) return false;
  const bool applied = console->begin().locate(row, col);
  console->finish();
  console->setCursorVisible(cursorVisible);
  return applied;
}

CellPosition consoleCursorPosition() {
  ConsoleScreen* console = screen();
  if (!console) return {0, 0};
  const CellCursor cursor = console->begin().cursorPosition();
  return {cursor.row, cursor.col};
}

ConsoleSize consoleSize() {
  const ConsoleScreen* console = screen();
  if (!console) return kNoConsoleSize;
  return {console->width(), console->height()};
}

void consoleBeep() {
  if (screen()) Beep(kBeepHz, kBeepMs);
}

void restoreConsole() {
  if (ConsoleScreen* console = screen()) console->showHiddenCursor();
}

}  // namespace zemlar::platform
