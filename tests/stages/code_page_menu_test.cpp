#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "codepage/code_page_menu.hpp"
#include "support/temp_folder.hpp"

using zemlar::test::TempFolder;

namespace {

// Standard output goes into a file while the capture lives.
class StdoutCapture {
 public:
  StdoutCapture() {
    std::fflush(stdout);
    saved_ = ::dup(STDOUT_FILENO);
    const int file = ::open((folder_ / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, STDOUT_FILENO);
    ::close(file);
  }
  ~StdoutCapture() { restore(); }
  StdoutCapture(const StdoutCapture&) = delete;
  StdoutCapture& operator=(const StdoutCapture&) = delete;

  std::string text() {
    restore();
    return folder_.read("out");
  }

 private:
  void restore() {
    if (saved_ < 0) return;
    ::dup2(saved_, STDOUT_FILENO);
    ::close(saved_);
    saved_ = -1;
  }
  TempFolder folder_;
  int saved_ = -1;
};

std::string printedEntry(int entryNumber) {
  StdoutCapture capture;
  zemlar::CodePageMenu::printEntry(entryNumber);
  return capture.text();
}

TEST(PrintEntry, FirstAndLastEntryLineUp) {
  EXPECT_EQ(printedEntry(1),
            " 1)    Windows-1250         Central Europe languages: Albanian, Croatian, Czech, Hungarian, "
            "Polish, Romanian, Serbian (Latin), Slovak, Slovenian\r\n");
  EXPECT_EQ(printedEntry(10), " 10)   Windows-54936        China\r\n");
}

TEST(PrintEntry, EveryNameAtColumn7AndEveryDescriptionAtColumn28) {
  for (int i = 1; i <= 10; ++i) {
    const std::string line = printedEntry(i);
    SCOPED_TRACE(line);
    EXPECT_EQ(line.substr(0, 7), " " + std::to_string(i) + ")" + std::string(i < 10 ? 4 : 3, ' '));
    EXPECT_EQ(line.substr(7, 8), "Windows-");
    const size_t nameEnd = line.find(' ', 7);
    EXPECT_EQ(line.find_first_not_of(' ', nameEnd), 28u);
    EXPECT_TRUE(line.ends_with("\r\n"));
    EXPECT_EQ(line.find('\n'), line.size() - 1);
  }
}

}  // namespace
