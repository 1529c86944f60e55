#include <gtest/gtest.h>

#include <string>

#include "rt/posix/terminal.hpp"

namespace zemlar::posix {
namespace {

struct ReportCase {
  std::string bytes;
  bool found;
  int row, col;
  size_t begin, end;
};

class CursorReportTable : public ::testing::TestWithParam<ReportCase> {};

TEST_P(CursorReportTable, FindsTheReportAmongTypedBytes) {
  const ReportCase& c = GetParam();
  const auto report = findCursorReport(c.bytes);
  ASSERT_EQ(report.has_value(), c.found);
  if (!report) return;
  EXPECT_EQ(report->row, c.row);
  EXPECT_EQ(report->col, c.col);
  EXPECT_EQ(report->begin, c.begin);
  EXPECT_EQ(report->end, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Terminal, CursorReportTable,
    ::testing::Values(ReportCase{"\x1b[12;40R", true, 12, 40, 0, 8},
                      ReportCase{"ab\x1b[1;1Rcd", true, 1, 1, 2, 8},
                      ReportCase{"\x1b[A\x1b[25;80R", true, 25, 80, 3, 11},  // an arrow key first
                      ReportCase{"\x1b[12;40", false, 0, 0, 0, 0},           // not complete yet
                      ReportCase{"\x1b[;40R", false, 0, 0, 0, 0}, ReportCase{"\x1b[12R", false, 0, 0, 0, 0},
                      ReportCase{"12;40R", false, 0, 0, 0, 0}));

}  // namespace
}  // namespace zemlar::posix
