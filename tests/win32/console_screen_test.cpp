// The console driver on a real console screen buffer: bytes placed through the driver
// are read back with ReadConsoleOutputCharacterA. Skipped where standard output is not
// a console (a redirected test run).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "rt/platform.hpp"

namespace zemlar {
namespace {

class ConsoleScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!platform::outputIsConsole()) GTEST_SKIP() << "standard output is not a console here";
    size = platform::consoleSize();
  }

  static CONSOLE_SCREEN_BUFFER_INFO info() {
    CONSOLE_SCREEN_BUFFER_INFO screen{};
    GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &screen);
    return screen;
  }

  // The cells of a window row (1-based), as the console holds them.
  static std::string windowRow(int row, int count) {
    std::string cells(static_cast<size_t>(count), '\0');
    DWORD read = 0;
    const COORD start{0, static_cast<SHORT>(info().srWindow.Top + row - 1)};
    ReadConsoleOutputCharacterA(GetStdHandle(STD_OUTPUT_HANDLE), cells.data(), static_cast<DWORD>(count), start, &read);
    cells.resize(read);
    return cells;
  }

  platform::ConsoleSize size;
};

TEST_F(ConsoleScreenTest, TextLandsAtTheCursorAndWrapsAtTheLastColumn) {
  ASSERT_TRUE(platform::consoleLocate(2, 1, -1));
  platform::consoleWrite("hello");
  EXPECT_EQ(windowRow(2, 5), "hello");
  EXPECT_EQ(platform::consoleCursorPosition(), (platform::CellPosition{2, 6}));

  ASSERT_TRUE(platform::consoleLocate(3, 1, -1));
  platform::consoleWrite(std::string(static_cast<size_t>(size.cols), 'w') + "tail!");
  EXPECT_EQ(windowRow(3, size.cols), std::string(static_cast<size_t>(size.cols), 'w'));
  EXPECT_EQ(windowRow(4, 5), "tail!");
  EXPECT_EQ(platform::consoleCursorPosition(), (platform::CellPosition{4, 6}));
}

TEST_F(ConsoleScreenTest, ControlBytesMoveTheCursorWithoutWriting) {
  ASSERT_TRUE(platform::consoleLocate(5, 1, -1));
  platform::consoleWrite("abcd\bX\rY");
  EXPECT_EQ(windowRow(5, 4), "YbcX");
  ASSERT_TRUE(platform::consoleLocate(6, 1, -1));
  platform::consoleWrite("ab\tZ");
  EXPECT_EQ(windowRow(6, 9), "ab      Z");
  EXPECT_EQ(platform::consoleCursorPosition(), (platform::CellPosition{6, 10}));
}

TEST_F(ConsoleScreenTest, FillingTheBottomRowDefersTheScrollToTheNextWrite) {
  const std::string full(static_cast<size_t>(size.cols), 'b');
  ASSERT_TRUE(platform::consoleLocate(size.rows, 1, -1));
  const SHORT topBefore = info().srWindow.Top;
  platform::consoleWrite(full);
  EXPECT_EQ(info().srWindow.Top, topBefore);
  EXPECT_EQ(windowRow(size.rows, size.cols), full);
  EXPECT_EQ(platform::consoleCursorPosition(), (platform::CellPosition{size.rows, size.cols}));

  platform::consoleWrite("z");
  EXPECT_EQ(windowRow(size.rows - 1, size.cols), full);
  EXPECT_EQ(windowRow(size.rows, 1), "z");
  EXPECT_EQ(platform::consoleCursorPosition(), (platform::CellPosition{size.rows, 2}));
}

TEST_F(ConsoleScreenTest, LocateHidesAndShowsTheCursor) {
  CONSOLE_CURSOR_INFO cursor{};
  platform::consoleLocate(0, 0, 0);
  GetConsoleCursorInfo(GetStdHandle(STD_OUTPUT_HANDLE), &cursor);
  EXPECT_FALSE(cursor.bVisible);
  platform::consoleLocate(0, 0, 1);
  GetConsoleCursorInfo(GetStdHandle(STD_OUTPUT_HANDLE), &cursor);
  EXPECT_TRUE(cursor.bVisible);
}

}  // namespace
}  // namespace zemlar
