// Line entry in a scripted run: standard input is a file, one answer per line.
// Standard input and the console are set up once per process, so each script runs in a
// forked child; this test program itself never touches them.
#include "rt/line_input.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "support/temp_folder.hpp"

namespace zemlar {
namespace {

// In the child: standard input from answers.txt, standard output into out.txt, and
// what the reads return into results.txt, one "|"-ended entry per read.
[[noreturn]] void runScript(const test::TempFolder& folder) {
  if (!std::freopen((folder / "answers.txt").string().c_str(), "rb", stdin) ||
      !std::freopen((folder / "out.txt").string().c_str(), "wb", stdout)) {
    std::abort();
  }
  std::ofstream results(folder / "results.txt", std::ios::binary);
  const auto number = [&](const char* prompt) {
    LineInput::begin(prompt, true);
    results << LineInput::readInt() << '|' << std::flush;
  };
  const auto text = [&](const char* prompt) {
    LineInput::begin(prompt, false);
    results << LineInput::readText() << '|' << std::flush;
  };
  number("language selection number = ");
  number("file number with list of web addresses = ");
  text("enter the words = ");
  text("enter the words = ");
  number("language selection number = ");
  number("language selection number = ");
  text("enter the words = ");  // the input has ended here
  std::exit(0);
}

TEST(ScriptedLineInputTest, EachBeginTakesOneLineAndPrintsNothing) {
  GTEST_FLAG_SET(death_test_style, "fast");  // the child shares this folder object
  test::TempFolder folder;
  folder.write("answers.txt",
               "3\n"
               "12 34, 56\n"  // the rest of a line is discarded at the next begin
               "  red shoes  , blue\n"
               "\"a, b\" c\r\n"
               "\n"       // an empty answer
               "&h1F");   // a last line without its line end
  EXPECT_EXIT(runScript(folder), ::testing::ExitedWithCode(1), "^input ended\n$");
  EXPECT_EQ(folder.read("results.txt"), "3|12|red shoes  |a, b|0|31|");
  EXPECT_EQ(folder.read("out.txt"), "");
}

}  // namespace
}  // namespace zemlar
