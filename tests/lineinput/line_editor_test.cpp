// The line editor against the cell model: what the user sees and what readLine returns.
#include "rt/line_editor.hpp"

#include <gtest/gtest.h>

#include <string>

#include "lineinput/cell_screen.hpp"

namespace zemlar {
namespace {

using platform::CellPosition;
using testing::CellScreen;

using namespace keys;

// A 20 x 5 window with the prompt "? " on row 2: the entry begins at (2, 3).
class LineEditorTest : public ::testing::Test {
 protected:
  LineEditorTest() : screen(20, 5, {1, 0}) { screen.print("? "); }

  std::string edit() {
    screen.pressKey(kEnter);
    LineEditor editor(screen);
    return editor.readLine();
  }
  void press(std::initializer_list<KeyCode> keys) {
    for (const KeyCode key : keys) screen.pressKey(key);
  }

  CellScreen screen;
};

TEST_F(LineEditorTest, TypedBytesAreEchoedAndReturned) {
  screen.typeText("red shoes");
  EXPECT_EQ(edit(), "red shoes");
  EXPECT_EQ(screen.rowText(2), "? red shoes");
  EXPECT_EQ(screen.cursor(), (CellPosition{2, 12}));
}

TEST_F(LineEditorTest, TabPadsToMultipleOfEightCountedFromTextStart) {
  screen.typeText("abc");
  press({kTab});
  screen.typeText("x");
  press({kHome, kTab});
  EXPECT_EQ(edit(), "        abc     x");
  EXPECT_EQ(screen.rowText(2), "?         abc     x");
}

TEST_F(LineEditorTest, BackspaceAndLeftAtStartDoNothing) {
  press({kBackspace, kLeft});
  screen.typeText("ab");
  press({kHome, kBackspace, kLeft});
  screen.typeText("X");
  EXPECT_EQ(edit(), "Xab");
  EXPECT_EQ(screen.rowText(2), "? Xab");
}

TEST_F(LineEditorTest, BackspaceRemovesByteBeforeCursorAndBlanksFreedCell) {
  screen.typeText("abcd");
  press({kLeft, kBackspace});
  screen.typeText("X");
  EXPECT_EQ(edit(), "abXd");
  EXPECT_EQ(screen.rowText(2), "? abXd");
}

TEST_F(LineEditorTest, DeleteAtEndBeepsAndChangesNothing) {
  screen.typeText("ab");
  press({kDelete});
  EXPECT_EQ(edit(), "ab");
  EXPECT_EQ(screen.beeps, 1);
  EXPECT_EQ(screen.rowText(2), "? ab");
}

TEST_F(LineEditorTest, DeleteInsideRemovesByteUnderCursor) {
  screen.typeText("abc");
  press({kHome, kDelete});
  EXPECT_EQ(edit(), "bc");
  EXPECT_EQ(screen.beeps, 0);
  EXPECT_EQ(screen.rowText(2), "? bc");
}

TEST_F(LineEditorTest, EscClearsLineAndLeavesCursorWhereEntryBegan) {
  screen.typeText("hello");
  press({kLeft, kEsc});
  EXPECT_EQ(edit(), "");
  EXPECT_EQ(screen.rowText(2), "?");
  EXPECT_EQ(screen.cursor(), (CellPosition{2, 3}));
}

TEST_F(LineEditorTest, EscOnWrappedLineClearsEveryRow) {
  screen.typeText(std::string(25, 'w'));
  press({kEsc});
  screen.typeText("y");
  EXPECT_EQ(edit(), "y");
  EXPECT_EQ(screen.rowText(2), "? y");
  EXPECT_EQ(screen.rowText(3), "");
}

TEST_F(LineEditorTest, InsertInMiddleShiftsRestAndKeepsCursorAfterInsert) {
  screen.typeText("ad");
  press({kLeft});
  screen.typeText("bc");
  EXPECT_EQ(edit(), "abcd");
  EXPECT_EQ(screen.rowText(2), "? abcd");
}

TEST_F(LineEditorTest, HomeAndEnd) {
  screen.typeText("abc");
  press({kHome});
  screen.typeText("X");
  press({kEnd});
  screen.typeText("Y");
  EXPECT_EQ(edit(), "XabcY");
}

TEST_F(LineEditorTest, RightStopsAtEndOfText) {
  screen.typeText("ab");
  press({kHome, kRight, kRight, kRight});
  screen.typeText("c");
  EXPECT_EQ(edit(), "abc");
}

TEST_F(LineEditorTest, EnterInsideTextLeavesCursorAfterText) {
  screen.typeText("abcdef");
  press({kHome});
  EXPECT_EQ(edit(), "abcdef");
  EXPECT_EQ(screen.cursor(), (CellPosition{2, 9}));
}

TEST_F(LineEditorTest, TypingPastLastColumnWrapsToNextRow) {
  screen.typeText("0123456789abcdefghXYZ");  // 18 bytes fill row 2 after "? "
  EXPECT_EQ(edit(), "0123456789abcdefghXYZ");
  EXPECT_EQ(screen.rowText(2), "? 0123456789abcdefgh");
  EXPECT_EQ(screen.rowText(3), "XYZ");
  EXPECT_EQ(screen.cursor(), (CellPosition{3, 4}));
}

TEST_F(LineEditorTest, LeftFromFirstColumnGoesToEndOfRowAbove) {
  screen.typeText(std::string(18, 'a') + "b");
  press({kLeft, kLeft});
  screen.typeText("X");
  EXPECT_EQ(edit(), std::string(17, 'a') + "Xab");
  EXPECT_EQ(screen.rowText(2), "? " + std::string(17, 'a') + "X");
  EXPECT_EQ(screen.rowText(3), "ab");
}

TEST_F(LineEditorTest, IgnoresOtherControlBytesAndExtendedKeys) {
  press({0, 1, 7, 31, extendedKey(59), extendedKey(82)});
  screen.pressEmptyPoll();
  press({127, 255, 32});
  EXPECT_EQ(edit(), "\x7f\xff ");
  EXPECT_EQ(screen.beeps, 0);
}

TEST_F(LineEditorTest, LineFeedKeyEndsEntryLikeEnter) {
  screen.typeText("ab");
  screen.pressKey(10);
  screen.typeText("cd");  // still queued for whoever reads keys next
  LineEditor editor(screen);
  EXPECT_EQ(editor.readLine(), "ab");
}

TEST_F(LineEditorTest, RestoresHiddenCursorAtEnd) {
  screen.visible = false;
  screen.typeText("a");
  edit();
  EXPECT_FALSE(screen.visible);
}

struct VerticalCase {
  int typed;          // bytes typed before the key
  KeyCode key;
  std::string result;  // after typing "X" at the new position
};

class VerticalMoveTest : public ::testing::TestWithParam<VerticalCase> {};

// A 10-column window: Up and Down move by one screen row of text.
TEST_P(VerticalMoveTest, MovesOnlyWhenAWholeRowOfTextLiesThatWay) {
  CellScreen screen(10, 5);
  const std::string text = std::string("abcdefghijklmnop").substr(0, GetParam().typed);
  screen.typeText(text);
  if (GetParam().key == kDown) screen.pressKey(kHome);
  screen.pressKey(GetParam().key);
  screen.typeText("X");
  screen.pressKey(kEnter);
  LineEditor editor(screen);
  EXPECT_EQ(editor.readLine(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Rows, VerticalMoveTest, ::testing::Values(
    VerticalCase{12, kUp, "abXcdefghijkl"},
    VerticalCase{10, kUp, "Xabcdefghij"},
    VerticalCase{9, kUp, "abcdefghiX"},
    VerticalCase{10, kDown, "abcdefghijX"},
    VerticalCase{9, kDown, "Xabcdefghi"}));

TEST(LineEditorUpTest, SecondUpNeedsAnotherFullRow) {
  CellScreen screen(10, 5);
  screen.typeText("abcdefghijkl");
  screen.pressKey(kUp);
  screen.typeText("X");
  screen.pressKey(kUp);
  screen.typeText("Y");
  screen.pressKey(kEnter);
  LineEditor editor(screen);
  EXPECT_EQ(editor.readLine(), "abXYcdefghijkl");
}

// ---- the bottom of the window ----

TEST(LineEditorScrollTest, TypingAtBottomRightScrollsOnceAndKeepsCursorAfterByte) {
  CellScreen screen(10, 3, {2, 8});
  screen.typeText("ab");  // "b" lands in the bottom-right cell
  screen.pressKey(kEnter);
  LineEditor editor(screen);
  EXPECT_EQ(editor.readLine(), "ab");
  EXPECT_EQ(screen.scrolledLines, 1);
  EXPECT_EQ(screen.rowText(2), "        ab");
  EXPECT_EQ(screen.cursor(), (CellPosition{3, 1}));
}

TEST(LineEditorScrollTest, TypingContinuesOnRowBelowAfterScroll) {
  CellScreen screen(10, 3, {2, 8});
  screen.typeText("abcd");
  screen.pressKey(kEnter);
  LineEditor editor(screen);
  EXPECT_EQ(editor.readLine(), "abcd");
  EXPECT_EQ(screen.scrolledLines, 1);
  EXPECT_EQ(screen.rowText(2), "        ab");
  EXPECT_EQ(screen.rowText(3), "cd");
  EXPECT_EQ(screen.cursor(), (CellPosition{3, 3}));
}

TEST(LineEditorScrollTest, PromptFillingBottomRowIsAdvancedOnce) {
  CellScreen screen(10, 3, {2, 0});
  screen.print("0123456789");  // leaves the advance pending
  screen.typeText("a");
  screen.pressKey(kEnter);
  LineEditor editor(screen);
  EXPECT_EQ(editor.readLine(), "a");
  EXPECT_EQ(screen.scrolledLines, 1);
  EXPECT_EQ(screen.rowText(2), "0123456789");
  EXPECT_EQ(screen.rowText(3), "a");
  EXPECT_EQ(screen.cursor(), (CellPosition{3, 2}));
}

TEST(LineEditorScrollTest, InsertWhoseTailScrollsWindowKeepsCursorAfterInsert) {
  // 19 bytes from (2, 1) end at the bottom-right cell's left neighbour; "X" makes the
  // tail fill the window exactly (no scroll yet), "Y" pushes it one row further.
  CellScreen screen(10, 3, {1, 0});
  screen.typeText("abcdefghijklmnopqrs");
  screen.pressKey(kHome);
  screen.typeText("XYZ");
  screen.pressKey(kEnter);
  LineEditor editor(screen);
  EXPECT_EQ(editor.readLine(), "XYZabcdefghijklmnopqrs");
  EXPECT_EQ(screen.scrolledLines, 1);
  EXPECT_EQ(screen.rowText(1), "XYZabcdefg");
  EXPECT_EQ(screen.rowText(2), "hijklmnopq");
  EXPECT_EQ(screen.rowText(3), "rs");
}

TEST(LineEditorScrollTest, InsertWhoseScrolledTailEndsOnRowEnd) {
  // A 4-column window: Tab at the start inserts two rows of spaces, the tail then
  // scrolls the window and fills its bottom row exactly.
  CellScreen screen(4, 2, {0, 0});
  screen.typeText("abcd");
  screen.pressKey(kHome);
  screen.pressKey(kTab);
  screen.typeText("X");
  screen.pressKey(kEnter);
  LineEditor editor(screen);
  EXPECT_EQ(editor.readLine(), "        Xabcd");
  EXPECT_EQ(screen.rowText(1), "Xabc");
  EXPECT_EQ(screen.rowText(2), "d");
}

struct MoveCase {
  CellPosition from;
  int cells;
  CellPosition expected;
};

class MovedByTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MovedByTest, CountsCellsInReadingOrder) {
  EXPECT_EQ(movedBy(GetParam().from, GetParam().cells, 10), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cells, MovedByTest, ::testing::Values(
    MoveCase{{2, 5}, 3, {2, 8}}, MoveCase{{2, 10}, 1, {3, 1}}, MoveCase{{2, 1}, -1, {1, 10}},
    MoveCase{{3, 4}, -10, {2, 4}}, MoveCase{{1, 1}, -1, {0, 10}}, MoveCase{{1, 3}, 25, {3, 8}}));

}  // namespace
}  // namespace zemlar
