#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "rt/platform.hpp"

namespace {

// Puts a pipe holding `text` in place of standard input for the life of the object.
class StandardInputFrom {
 public:
  explicit StandardInputFrom(const std::string& text) : saved_(::dup(STDIN_FILENO)) {
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    EXPECT_EQ(::write(ends[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::close(ends[1]);
    ::dup2(ends[0], STDIN_FILENO);
    ::close(ends[0]);
  }
  ~StandardInputFrom() {
    ::dup2(saved_, STDIN_FILENO);
    ::close(saved_);
  }

 private:
  int saved_;
};

// The scripted input is read once per run, so one test walks it to its end.
TEST(ReadInputLine, GivesLinesWithoutTheirEndsThenTheEnd) {
  const std::string longLine(10000, 'x');
  StandardInputFrom input("1\r\nred shoes\n\n" + longLine + "\n\r\nlast");
  std::vector<std::string> lines;
  std::string line;
  while (zemlar::platform::readInputLine(line)) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"1", "red shoes", "", longLine, "", "last"}));
  EXPECT_FALSE(zemlar::platform::readInputLine(line)) << "the end stays the end";
  EXPECT_EQ(line, "");
}

}  // namespace
