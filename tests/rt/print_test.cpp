#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "rt/print.hpp"

using namespace zemlar;

namespace {

class RecordingDevice : public PrintDevice {
 public:
  explicit RecordingDevice(int32_t w, int32_t startColumn = 0) {
    width = w;
    column = startColumn;
  }
  bool writeBytes(std::string_view bytes) override {
    out.append(bytes);
    ++writes;
    return true;
  }
  std::string out;
  int writes = 0;
};

TEST(NumberText, HasALeadingSpaceUnlessNegative) {
  EXPECT_EQ(numberText(7), " 7");
  EXPECT_EQ(numberText(0), " 0");
  EXPECT_EQ(numberText(10), " 10");
  EXPECT_EQ(numberText(-3), "-3");
  EXPECT_EQ(numberText(INT32_MIN), "-2147483648");
  EXPECT_EQ(numberText(INT32_MAX), " 2147483647");
}

TEST(PrintNumber, WithLineEndIsOneWrite) {
  RecordingDevice device(80);
  printNumber(device, 10, Sep::EndLine);
  EXPECT_EQ(device.out, " 10\r\n");
  EXPECT_EQ(device.writes, 1);
  EXPECT_EQ(device.column, 0);
}

TEST(PrintItem, EmptyTextWritesOnlyTheSeparator) {
  RecordingDevice device(80);
  printItem(device, "", Sep::EndLine);
  EXPECT_EQ(device.out, "\r\n");
  RecordingDevice zone(80);
  printItem(zone, "", Sep::Zone);
  EXPECT_EQ(zone.out, std::string(14, ' '));
}

struct ZoneCase {
  int32_t width;
  int32_t column;
  std::string expected;
};

TEST(ZoneRule, PadsToTheNextMultipleOf14OrEndsTheLine) {
  const ZoneCase cases[] = {
      {80, 0, std::string(14, ' ')},  {80, 13, " "},  {80, 14, std::string(14, ' ')},
      {80, 2, std::string(12, ' ')},  {80, 55, " "},  {80, 56, "\r\n"},
      {80, 41, " "},                  {80, 42, std::string(14, ' ')},  {80, 52, "    "},
      {0, 200, std::string(10, ' ')}, {0, 56, std::string(14, ' ')},
  };
  // On 80 columns the zone at 56 is still used; the zone at 70 would pass 80 - 14.
  for (const auto& c : cases)
    EXPECT_EQ(zonePadding(c.column, c.width), c.expected) << "width " << c.width << " column " << c.column;
}

TEST(ZoneRule, LinesUpTheCodePageList) {
  // " 3)" four spaces "Windows-1252" ends at column 19: the description starts at 28.
  RecordingDevice device(80);
  printNumber(device, 3, Sep::None);
  printItem(device, ")", Sep::None);
  printItem(device, "    ", Sep::None);
  printItem(device, "Windows-1252", Sep::Zone);
  EXPECT_EQ(device.column, 28);
  EXPECT_EQ(device.out, " 3)    Windows-1252" + std::string(9, ' '));

  RecordingDevice ten(80);
  printNumber(ten, 10, Sep::None);
  printItem(ten, ")", Sep::None);
  printItem(ten, "   ", Sep::None);
  printItem(ten, "Windows-54936", Sep::Zone);
  EXPECT_EQ(ten.column, 28);
  EXPECT_EQ(ten.out.size(), 28u);
}

TEST(ColumnAfter, CountsFromTheLastLineEndAndWrapsAtTheWidth) {
  EXPECT_EQ(columnAfter(0, 80, std::string(85, 'x')), 5);
  EXPECT_EQ(columnAfter(10, 80, "ab\r\nxyz"), 3);
  EXPECT_EQ(columnAfter(10, 80, "ab\rx"), 1);
  EXPECT_EQ(columnAfter(10, 80, "\n"), 0);
  EXPECT_EQ(columnAfter(70, 0, std::string(30, 'x')), 100);
  EXPECT_EQ(columnAfter(0, 80, "\t"), 1);  // a TAB counts one column
}

}  // namespace
