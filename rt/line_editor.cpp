#include "rt/line_editor.hpp"

#include "rt/keyboard.hpp"

namespace zemlar {

namespace {

constexpr int kShow = 1;
constexpr int kHide = 0;
constexpr int kKeep = -1;
constexpr int kPollIntervalMs = 25;

using namespace keys;

int floorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

}  // namespace

platform::CellPosition movedBy(platform::CellPosition from, int cells, int cols) {
  const int index = (from.row - 1) * cols + (from.col - 1) + cells;
  const int row = floorDiv(index, cols);
  return {row + 1, index - row * cols + 1};
}

std::string LineEditor::readLine() {
  text_.clear();
  pos_ = 0;
  const platform::ConsoleSize size = console_.size();
  cols_ = size.cols > 0 ? size.cols : 80;
  rows_ = size.rows > 0 ? size.rows : 25;
  const bool wasVisible = console_.cursorVisible();
  // A prompt that filled the bottom row leaves its line advance pending; carry it out
  // now, or the first typed byte would be placed twice over (once by the deferred
  // advance, once by the editor's own cursor arithmetic).
  console_.flushPendingAdvance();
  console_.locate(0, 0, kShow);
  for (;;) {
    const KeyCode key = nextKey();
    if (key == kEnter || key == kLineFeed) break;
    apply(key);
    console_.locate(0, 0, kShow);
  }
  moveCursor(length() - pos_);
  console_.locate(0, 0, wasVisible ? kShow : kHide);
  return text_;
}

KeyCode LineEditor::nextKey() {
  for (;;) {
    while (!console_.keyWaiting()) console_.waitForKey(kPollIntervalMs);
    const std::string key = console_.pollKey();
    if (!key.empty()) return keyCodeOf(key);
  }
}

void LineEditor::apply(KeyCode key) {
  switch (key) {
    case kBackspace:
      if (pos_ > 0) {
        shift(-1);
        erase(1);
      }
      return;
    case kTab: insert(std::string(static_cast<std::size_t>(8 - pos_ % 8), ' ')); return;
    case kEsc:
      shift(-pos_);
      erase(text_.size());
      return;
    case kDelete:
      if (pos_ < length()) erase(1);
      else console_.beep();
      return;
    case kLeft: if (pos_ > 0) shift(-1); return;
    case kRight: if (pos_ < length()) shift(1); return;
    case kHome: shift(-pos_); return;
    case kEnd: shift(length() - pos_); return;
    case kUp: if (pos_ >= cols_) shift(-cols_); return;
    case kDown: if (pos_ + cols_ <= length()) shift(cols_); return;
    default:
      if (key >= 32 && key <= 255) insert(std::string(1, static_cast<char>(key)));
      return;  // other control bytes and extended keys are ignored
  }
}

void LineEditor::shift(int cells) {
  pos_ += cells;
  moveCursor(cells);
}

// Rewrites the text from pos to its end and puts the cursor just after the new bytes.
void LineEditor::insert(std::string_view bytes) {
  const int count = static_cast<int>(bytes.size());
  const platform::CellPosition noted = console_.cursorPosition();
  text_.insert(static_cast<std::size_t>(pos_), bytes);
  const int tail = length() - pos_;
  console_.locate(0, 0, kHide);
  console_.write(std::string_view(text_).substr(static_cast<std::size_t>(pos_)));
  const platform::CellPosition after = movedBy(noted, tail, cols_);
  const bool scrolled = after.row > rows_ + 1 || (after.row == rows_ + 1 && after.col > 1);
  if (scrolled) {
    // The window moved under the text: count back from where the write ended.
    platform::CellPosition end = console_.cursorPosition();
    // A tail ending on a row's last cell leaves the cursor waiting on that cell.
    if (after.col == 1) end = movedBy(end, 1, cols_);
    placeCursor(movedBy(end, count - tail, cols_));
  } else {
    placeCursor(movedBy(noted, count, cols_));
  }
  pos_ += count;
}

// Removes count bytes at pos, blanks the freed cells and leaves the cursor in place.
void LineEditor::erase(std::size_t count) {
  if (count == 0) return;
  const platform::CellPosition at = console_.cursorPosition();
  text_.erase(static_cast<std::size_t>(pos_), count);
  console_.locate(0, 0, kHide);
  console_.write(text_.substr(static_cast<std::size_t>(pos_)) + std::string(count, ' '));
  console_.locate(at.row, at.col, kKeep);
}

void LineEditor::moveCursor(int cells) {
  if (cells != 0) placeCursor(movedBy(console_.cursorPosition(), cells, cols_));
}

// The cell just below the window's last row is reached by a line end, which scrolls.
void LineEditor::placeCursor(platform::CellPosition target) {
  if (target == platform::CellPosition{rows_ + 1, 1}) {
    console_.locate(rows_, cols_, kKeep);
    console_.write("\r\n");
  } else {
    console_.locate(target.row, target.col, kKeep);
  }
}

}  // namespace zemlar
