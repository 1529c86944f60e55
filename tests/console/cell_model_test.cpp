#include "rt/cell_model.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zemlar {
namespace {

// Records the decisions as short strings: "put 3,0 abc", "scroll 1", "beep".
class RecordingSink final : public CellSink {
 public:
  void put(int row, int col, std::string_view bytes) override {
    log.push_back("put " + std::to_string(row) + "," + std::to_string(col) + " " + std::string(bytes));
  }
  void scroll(int lines) override { log.push_back("scroll " + std::to_string(lines)); }
  void beep() override { log.push_back("beep"); }
  std::vector<std::string> log;
};

// ---- placement tables ----

struct PlacementCase {
  const char* name;
  CellCursor start;
  std::string bytes;
  CellCursor cursor;     // expected cursor afterwards
  bool pending;          // expected pendingAdvance
  int scrolled;          // expected total scroll
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, CursorAndScroll) {
  const PlacementCase& c = GetParam();
  CellModel model(80, 25, c.start);
  RecordingSink sink;
  model.write(c.bytes, sink);
  EXPECT_EQ(model.cursor(), c.cursor);
  EXPECT_EQ(model.pendingAdvance(), c.pending);
  int scrolled = 0;
  for (const auto& entry : sink.log)
    if (entry.rfind("scroll ", 0) == 0) scrolled += std::stoi(entry.substr(7));
  EXPECT_EQ(scrolled, c.scrolled);
}

const std::string k80(80, 'x');
const std::string k85(85, 'x');

INSTANTIATE_TEST_SUITE_P(
    CellModel, Placement,
    ::testing::Values(
        PlacementCase{"wrap_85_bytes", {3, 0}, k85, {4, 5}, false, 0},
        PlacementCase{"exact_row_mid_window", {3, 0}, k80, {4, 0}, false, 0},
        PlacementCase{"exact_row_then_line_end_mid", {3, 0}, k80 + "\r\n", {5, 0}, false, 0},
        PlacementCase{"exact_row_then_line_end_bottom", {24, 0}, k80 + "\r\n", {24, 0}, false, 2},
        PlacementCase{"bottom_row_filled_defers", {24, 0}, k80, {24, 79}, true, 0},
        PlacementCase{"bottom_row_filled_then_cr_scrolls", {24, 0}, k80 + "\r", {24, 0}, false, 1},
        PlacementCase{"bottom_row_wrap_scrolls_once", {24, 0}, k85, {24, 5}, false, 1},
        PlacementCase{"lf_at_bottom_scrolls", {24, 7}, "\n", {24, 0}, false, 1},
        PlacementCase{"cr_at_bottom_stays", {24, 7}, "\r", {24, 0}, false, 0},
        PlacementCase{"crlf_at_bottom", {24, 7}, "ab\r\n", {24, 0}, false, 1},
        PlacementCase{"two_lf_at_bottom", {24, 0}, "\n\n", {24, 0}, false, 2},
        PlacementCase{"bs_at_column_0", {5, 0}, "\b", {5, 0}, false, 0},
        PlacementCase{"bs_moves_left", {5, 3}, "\b\b", {5, 1}, false, 0},
        PlacementCase{"bel_keeps_cursor", {5, 3}, "\a", {5, 3}, false, 0},
        PlacementCase{"tab_from_0", {5, 0}, "\t", {5, 8}, false, 0},
        PlacementCase{"tab_from_7", {5, 7}, "\t", {5, 8}, false, 0},
        PlacementCase{"tab_from_8", {5, 8}, "\t", {5, 16}, false, 0},
        PlacementCase{"tab_fills_bottom_row", {24, 75}, "\t", {24, 79}, true, 0},
        PlacementCase{"many_lines_scroll_past_window", {0, 0}, std::string(30, '\n') + "z", {24, 1}, false, 6}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- screen contents ----

TEST(CellModelScreen, ExactRowThenLineEndLeavesEmptyRowInMidWindowAndAtBottom) {
  for (const int startRow : {3, 24}) {
    CellModel model(80, 25, {startRow, 0});
    NullCellSink sink;
    model.write(k80, sink);
    model.write("\r\n", sink);
    model.write("next", sink);
    const int next = model.cursor().row;
    EXPECT_EQ(model.rowText(next), "next") << startRow;
    EXPECT_EQ(model.rowText(next - 1), "") << startRow;
    EXPECT_EQ(model.rowText(next - 2), k80) << startRow;
  }
}

TEST(CellModelScreen, TabWritesSpacesOverOldCells) {
  CellModel model(20, 3);
  NullCellSink sink;
  model.write("abcdefghij\r", sink);
  model.write("x\ty", sink);
  EXPECT_EQ(model.rowText(0), "x       yj");
}

TEST(CellModelScreen, BackspaceErasesNothing) {
  CellModel model(20, 3);
  NullCellSink sink;
  model.write("abc\b\bZ", sink);
  EXPECT_EQ(model.rowText(0), "aZc");
  EXPECT_EQ(model.cursor(), (CellCursor{0, 2}));
}

TEST(CellModelScreen, ScrollMovesRowsUpAndBlanksTheBottom) {
  CellModel model(10, 3);
  NullCellSink sink;
  model.write("one\r\ntwo\r\nthree\r\nfour", sink);
  EXPECT_EQ(model.rowText(0), "two");
  EXPECT_EQ(model.rowText(1), "three");
  EXPECT_EQ(model.rowText(2), "four");
}

// ---- decisions reported to the sink ----

TEST(CellModelSink, RunsArePutPerRowInOrderWithScrolls) {
  CellModel model(5, 2, {1, 3});
  RecordingSink sink;
  model.write("abcdefg\a", sink);
  // "cdefg" fills the bottom row; the BEL after it does not move the cursor, so the
  // write ends just below the bottom row and the advance is deferred: no second scroll.
  EXPECT_EQ(sink.log, (std::vector<std::string>{"put 1,3 ab", "scroll 1", "put 1,0 cdefg", "beep"}));
  EXPECT_TRUE(model.pendingAdvance());
}

// ---- the deferred advance ----

TEST(CellModelPending, NextWriteAdvancesAndScrollsFirst) {
  CellModel model(80, 25, {24, 0});
  RecordingSink sink;
  model.write(k80, sink);
  EXPECT_EQ(model.cursorPosition(), (CellCursor{25, 80}));
  EXPECT_EQ(sink.log.size(), 1u);  // the put only: nothing scrolled yet
  model.write("z", sink);
  EXPECT_EQ(sink.log.back(), "put 24,0 z");
  EXPECT_EQ(sink.log[1], "scroll 1");
  EXPECT_EQ(model.rowText(23), k80);
  EXPECT_EQ(model.cursor(), (CellCursor{24, 1}));
}

TEST(CellModelPending, EmptyWriteKeepsIt) {
  CellModel model(80, 25, {24, 0});
  NullCellSink sink;
  model.write(k80, sink);
  model.write("", sink);
  EXPECT_TRUE(model.pendingAdvance());
}

TEST(CellModelPending, FlushAdvancesWithoutWriting) {
  CellModel model(80, 25, {24, 0});
  RecordingSink sink;
  model.write(k80, sink);
  model.flushPendingAdvance(sink);
  EXPECT_FALSE(model.pendingAdvance());
  EXPECT_EQ(model.cursor(), (CellCursor{24, 0}));
  EXPECT_EQ(sink.log.back(), "scroll 1");
  model.flushPendingAdvance(sink);  // nothing pending: nothing happens
  EXPECT_EQ(sink.log.back(), "scroll 1");
  EXPECT_EQ(sink.log.size(), 2u);
}

TEST(CellModelPending, LocateCancelsIt) {
  CellModel model(80, 25, {24, 0});
  RecordingSink sink;
  model.write(k80, sink);
  EXPECT_TRUE(model.locate(0, 0));
  EXPECT_FALSE(model.pendingAdvance());
  model.write("z", sink);
  EXPECT_EQ(sink.log.back(), "put 24,79 z");  // overwrites the last cell, no scroll
  EXPECT_TRUE(model.pendingAdvance());
}

// ---- locate ----

struct LocateCase {
  int row, col;
  bool applied;
  CellCursor cursor;
};

class Locate : public ::testing::TestWithParam<LocateCase> {};

TEST_P(Locate, MovesOnlyWithinTheWindow) {
  const LocateCase& c = GetParam();
  CellModel model(80, 25, {10, 20});
  EXPECT_EQ(model.locate(c.row, c.col), c.applied);
  EXPECT_EQ(model.cursor(), c.cursor);
}

INSTANTIATE_TEST_SUITE_P(CellModel, Locate,
                         ::testing::Values(LocateCase{1, 1, true, {0, 0}}, LocateCase{25, 80, true, {24, 79}},
                                           LocateCase{0, 5, true, {10, 4}}, LocateCase{3, 0, true, {2, 20}},
                                           LocateCase{0, 0, true, {10, 20}}, LocateCase{26, 1, false, {10, 20}},
                                           LocateCase{1, 81, false, {10, 20}}, LocateCase{-1, 0, false, {10, 20}},
                                           LocateCase{0, -3, false, {10, 20}}));

}  // namespace
}  // namespace zemlar
