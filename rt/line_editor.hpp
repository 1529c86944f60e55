#pragma once
// The console line editor: typing, cursor keys, Backspace, Delete, Tab and Esc on a
// line that may wrap over several rows of the window. It works through EditorConsole,
// so tests drive it with a cell model and scripted keys.
#include <string>
#include <string_view>

#include "rt/key_queue.hpp"
#include "rt/platform.hpp"

namespace zemlar {

// What the editor needs of the console and the keyboard.
class EditorConsole {
 public:
  virtual ~EditorConsole() = default;
  // Writes bytes at the cursor; the print column of the console device stays.
  virtual void write(std::string_view bytes) = 0;
  virtual void flushPendingAdvance() = 0;
  // row and col 1-based, 0 keeps the current one; cursorVisible 1 show, 0 hide, -1 keep.
  virtual void locate(int row, int col, int cursorVisible) = 0;
  virtual platform::CellPosition cursorPosition() = 0;
  virtual platform::ConsoleSize size() = 0;
  virtual void beep() = 0;
  virtual bool cursorVisible() = 0;

  virtual bool keyWaiting() = 0;
  // "" when no key waits, one byte for a plain key, 255 and n for an extended key n.
  virtual std::string pollKey() = 0;
  // Sleeps until a key may be waiting or maxMs passed.
  virtual void waitForKey(int maxMs) = 0;
};

// The cell reached by moving `cells` cells (negative: back) from `from` in reading
// order on rows of `cols` cells; the result may lie outside the window.
platform::CellPosition movedBy(platform::CellPosition from, int cells, int cols);

class LineEditor {
 public:
  explicit LineEditor(EditorConsole& console) : console_(console) {}

  // Lets the user type and edit one line, starting at the cursor; returns at Enter
  // with the cursor after the text.
  std::string readLine();

 private:
  KeyCode nextKey();
  void apply(KeyCode key);
  void insert(std::string_view bytes);
  void erase(std::size_t count);
  void shift(int cells);  // pos and cursor together
  void moveCursor(int cells);
  void placeCursor(platform::CellPosition target);
  int length() const { return static_cast<int>(text_.size()); }

  EditorConsole& console_;
  std::string text_;
  int pos_ = 0;
  int cols_ = 80;
  int rows_ = 25;
};

}  // namespace zemlar
