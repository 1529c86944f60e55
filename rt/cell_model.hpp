#pragma once
// The placement rules of the console driver, free of any I/O: a window of cols x rows
// cells, the cursor, wrapping at the last column, scrolling at the bottom row, the
// deferred advance and the five control bytes. A backend (terminal or Windows console)
// shows what the model decides through a CellSink; tests read the cells back as rows.
#include <string>
#include <string_view>
#include <vector>

namespace zemlar {

// A cell of the window, 0-based.
struct CellCursor {
  int row = 0;
  int col = 0;
  friend bool operator==(const CellCursor&, const CellCursor&) = default;
};

// Receives the model's decisions while a write runs, in order. When a call arrives the
// model's cells already hold the result, so a sink may read rows back from the model.
class CellSink {
 public:
  virtual ~CellSink() = default;
  // bytes now fill cells [col, col + bytes.size()) of window row `row`; never crosses a row.
  virtual void put(int row, int col, std::string_view bytes) = 0;
  // The window's contents moved up by `lines` rows; the freed bottom rows are blank.
  virtual void scroll(int lines) = 0;
  // A BEL byte: nothing is shown, the cursor stays.
  virtual void beep() = 0;
};

// A sink that ignores everything (tests and plain placement).
class NullCellSink final : public CellSink {
 public:
  void put(int, int, std::string_view) override {}
  void scroll(int) override {}
  void beep() override {}
};

class CellModel {
 public:
  static constexpr int kTabWidth = 8;

  // cols and rows are at least 1; start is clamped into the window.
  CellModel(int cols, int rows, CellCursor start = {});

  int cols() const { return cols_; }
  int rows() const { return rows_; }
  // Where the next character goes; while pendingAdvance, the last cell of the bottom row.
  CellCursor cursor() const { return cursor_; }
  bool pendingAdvance() const { return pendingAdvance_; }

  // Places bytes at the cursor: BEL, BS, TAB, LF and CR are interpreted, every other
  // byte fills one cell. A write of zero bytes does nothing.
  void write(std::string_view bytes, CellSink& sink);
  // Carries out a pending advance (and its scroll) without writing anything.
  void flushPendingAdvance(CellSink& sink);
  // row and col 1-based, 0 keeps the current one. Out of range leaves the cursor.
  // Always clears pendingAdvance. True when the cursor was moved to the target.
  bool locate(int row, int col);
  // The cursor as 1-based (row, col).
  CellCursor cursorPosition() const { return {cursor_.row + 1, cursor_.col + 1}; }
  // For a backend whose console is also written by others: takes the real cursor.
  void setCursor(CellCursor cursor);

  // The cells of one window row (cols bytes; never-written cells are spaces).
  std::string_view row(int r) const { return cells_[static_cast<size_t>(r)]; }
  // The row without its trailing spaces.
  std::string rowText(int r) const;

 private:
  void putCharacter(char byte, CellSink& sink);
  void flushRun(CellSink& sink);
  void scrollUntilCursorInWindow(CellSink& sink);
  void scrollBy(int lines, CellSink& sink);
  void finishWrite(CellSink& sink);

  int cols_;
  int rows_;
  CellCursor cursor_;
  bool pendingAdvance_ = false;
  bool wrappedLast_ = false;  // the cursor's last move in this write was a wrap
  std::vector<std::string> cells_;
  // Printable bytes placed on the cursor's row and not yet reported to the sink.
  CellCursor runStart_;
  std::string run_;
};

}  // namespace zemlar
