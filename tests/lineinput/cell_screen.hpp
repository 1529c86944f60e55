#pragma once
// The editor's console for tests: the portable cell model as the screen, scripted keys,
// and counters for beeps and scrolled lines.
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>

#include "rt/cell_model.hpp"
#include "rt/keyboard.hpp"
#include "rt/line_editor.hpp"

namespace zemlar::testing {

class CellScreen final : public EditorConsole, private CellSink {
 public:
  CellScreen(int cols, int rows, CellCursor start = {}) : model_(cols, rows, start) {}

  void pressKey(KeyCode key) { keys_.push_back(keyText(key)); }
  void typeText(std::string_view text) {
    for (const char c : text) keys_.push_back(std::string(1, c));
  }
  void pressEmptyPoll() { keys_.emplace_back(); }
  // Output that is not the editor's (a prompt).
  void print(std::string_view bytes) { model_.write(bytes, *this); }

  const CellModel& model() const { return model_; }
  std::string rowText(int row) const { return model_.rowText(row - 1); }
  platform::CellPosition cursor() const {
    const CellCursor c = model_.cursorPosition();
    return {c.row, c.col};
  }
  int beeps = 0;
  int scrolledLines = 0;
  bool visible = true;

  // ---- EditorConsole ----
  void write(std::string_view bytes) override { model_.write(bytes, *this); }
  void flushPendingAdvance() override { model_.flushPendingAdvance(*this); }
  void locate(int row, int col, int cursorVisible) override {
    model_.locate(row, col);
    if (cursorVisible >= 0) visible = cursorVisible == 1;
  }
  platform::CellPosition cursorPosition() override { return cursor(); }
  platform::ConsoleSize size() override { return {model_.cols(), model_.rows()}; }
  void beep() override { ++beeps; }  // also the cell model's BEL
  bool cursorVisible() override { return visible; }
  bool keyWaiting() override { return !keys_.empty(); }
  std::string pollKey() override {
    if (keys_.empty()) return {};
    std::string key = keys_.front();
    keys_.pop_front();
    return key;
  }
  // A test that forgets its Enter fails instead of waiting for ever.
  void waitForKey(int) override { throw std::logic_error("the editor waits for a key the test never pressed"); }

 private:
  // ---- CellSink ----
  void put(int, int, std::string_view) override {}
  void scroll(int lines) override { scrolledLines += lines; }

  CellModel model_;
  std::deque<std::string> keys_;
};

}  // namespace zemlar::testing
