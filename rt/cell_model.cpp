#include "rt/cell_model.hpp"

#include <algorithm>

namespace zemlar {

namespace {
constexpr char kBel = 7;
constexpr char kBs = 8;
constexpr char kTab = 9;
constexpr char kLf = 10;
constexpr char kCr = 13;
}  // namespace

CellModel::CellModel(int cols, int rows, CellCursor start)
    : cols_(std::max(cols, 1)),
      rows_(std::max(rows, 1)),
      cells_(static_cast<size_t>(rows_), std::string(static_cast<size_t>(cols_), ' ')) {
  setCursor(start);
}

void CellModel::setCursor(CellCursor cursor) {
  cursor_.row = std::clamp(cursor.row, 0, rows_ - 1);
  cursor_.col = std::clamp(cursor.col, 0, cols_ - 1);
  pendingAdvance_ = false;
}

std::string CellModel::rowText(int r) const {
  const std::string_view cells = row(r);
  const size_t end = cells.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : cells.substr(0, end + 1));
}

// ---- writing ----

void CellModel::write(std::string_view bytes, CellSink& sink) {
  if (bytes.empty()) return;
  flushPendingAdvance(sink);
  wrappedLast_ = false;
  for (const char byte : bytes) {
    if (byte == kBs || byte == kLf || byte == kCr) wrappedLast_ = false;
    switch (byte) {
      case kBel:
        flushRun(sink);
        sink.beep();
        break;
      case kBs:
        flushRun(sink);
        if (cursor_.col > 0) --cursor_.col;
        break;
      case kTab:
        for (int n = kTabWidth - cursor_.col % kTabWidth; n > 0; --n) putCharacter(' ', sink);
        break;
      case kLf:
        flushRun(sink);
        ++cursor_.row;
        cursor_.col = 0;
        break;
      case kCr:
        flushRun(sink);
        cursor_.col = 0;
        break;
      default:
        putCharacter(byte, sink);
    }
  }
  finishWrite(sink);
}

void CellModel::putCharacter(char byte, CellSink& sink) {
  if (cursor_.row >= rows_) scrollUntilCursorInWindow(sink);
  if (run_.empty()) runStart_ = cursor_;
  cells_[static_cast<size_t>(cursor_.row)][static_cast<size_t>(cursor_.col)] = byte;
  run_.push_back(byte);
  ++cursor_.col;
  if (cursor_.col == cols_) {  // wrap at once
    flushRun(sink);
    cursor_.col = 0;
    ++cursor_.row;
    wrappedLast_ = true;
  }
}

void CellModel::flushRun(CellSink& sink) {
  if (run_.empty()) return;
  sink.put(runStart_.row, runStart_.col, run_);
  run_.clear();
}

// A write whose last characters filled the bottom row to its last column defers the
// advance to the next output, so the filled row stays in view. A cursor that a control
// byte left below the bottom row scrolls now.
void CellModel::finishWrite(CellSink& sink) {
  flushRun(sink);
  if (wrappedLast_ && cursor_.row == rows_) {
    cursor_ = {rows_ - 1, cols_ - 1};
    pendingAdvance_ = true;
  } else if (cursor_.row >= rows_) {
    scrollUntilCursorInWindow(sink);
  }
}

void CellModel::flushPendingAdvance(CellSink& sink) {
  if (!pendingAdvance_) return;
  pendingAdvance_ = false;
  cursor_ = {rows_, 0};
  scrollUntilCursorInWindow(sink);
}

// ---- scrolling ----

void CellModel::scrollUntilCursorInWindow(CellSink& sink) {
  scrollBy(cursor_.row - (rows_ - 1), sink);
  cursor_.row = rows_ - 1;
}

void CellModel::scrollBy(int lines, CellSink& sink) {
  if (lines <= 0) return;
  const int kept = std::max(rows_ - lines, 0);
  std::move(cells_.end() - kept, cells_.end(), cells_.begin());
  std::fill(cells_.begin() + kept, cells_.end(), std::string(static_cast<size_t>(cols_), ' '));
  sink.scroll(lines);
}

// ---- cursor ----

bool CellModel::locate(int row, int col) {
  pendingAdvance_ = false;
  const bool rowInRange = row == 0 || (row >= 1 && row <= rows_);
  const bool colInRange = col == 0 || (col >= 1 && col <= cols_);
  if (!rowInRange || !colInRange) return false;
  if (row != 0) cursor_.row = row - 1;
  if (col != 0) cursor_.col = col - 1;
  return true;
}

}  // namespace zemlar
