#include <gtest/gtest.h>

#include <string>

#include "checks/tool_checks.hpp"
#include "support/temp_folder.hpp"

using zemlar::ToolChecks::countNonBlankLines;
using zemlar::test::TempFolder;

namespace {

struct CountCase {
  std::string content;
  int expected;
};

class CountNonBlankLinesTest : public ::testing::TestWithParam<CountCase> {
 protected:
  TempFolder folder{true};
};

TEST_P(CountNonBlankLinesTest, CountsLinesWithMoreThanSpaces) {
  folder.write("check_02.txt", GetParam().content);
  EXPECT_EQ(countNonBlankLines("check_02.txt"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, CountNonBlankLinesTest,
    ::testing::Values(CountCase{"", 0}, CountCase{"\r\n\r\n", 0}, CountCase{"   \r\n  \r\n", 0},
                      CountCase{"\r\n---------- CHECK_01.TXT\r\n", 1},
                      CountCase{"\r\n---------- CHECK_01.TXT\r\ncheck_01.txt\r\n", 2},
                      CountCase{"a\r\n\r\n  b  \r\nc", 3},  // the last line has no line end
                      CountCase{"\t\r\n", 1},               // a tab is not a space
                      CountCase{"a\nb\n", 2}));

TEST(CountNonBlankLines, MissingFileCountsNothing) {
  TempFolder folder{true};
  EXPECT_EQ(countNonBlankLines("check_01.txt"), 0);
}

TEST(CountNonBlankLines, LeavesNoFileOpen) {
  TempFolder folder{true};
  folder.write("check_01.txt", "x\r\n");
  for (int i = 0; i < 300; ++i) ASSERT_EQ(countNonBlankLines("check_01.txt"), 1) << "round " << i;
}

}  // namespace
