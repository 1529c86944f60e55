// Line entry in a scripted run: standard input is a file, one answer per line.
// Standard input is read ahead in a buffer that lives for the process, so the whole
// script is one test and the end of input is tested in a fresh process.
#include "rt/line_input.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/temp_folder.hpp"

namespace zemlar {
namespace {

void useAsStandardInput(const test::TempFolder& folder, std::string_view script) {
  folder.write("answers.txt", script);
  ASSERT_NE(std::freopen((folder / "answers.txt").c_str(), "rb", stdin), nullptr);
  ASSERT_EQ(fileno(stdin), 0);
}

TEST(ScriptedLineInputTest, EachBeginTakesOneLineAndPrintsNothing) {
  test::TempFolder folder;
  useAsStandardInput(folder,
                     "3\n"
                     "12 34, 56\n"          // the rest of a line is discarded at the next begin
                     "  red shoes  , blue\n"
                     "\"a, b\" c\r\n"       // a CR LF line end
                     "\n"                   // an empty answer
                     "&h1F");               // a last line without its line end
  ::testing::internal::CaptureStdout();
  LineInput::begin("language selection number = ", true);
  EXPECT_EQ(LineInput::readInt(), 3);
  LineInput::begin("file number = ", true);
  EXPECT_EQ(LineInput::readInt(), 12);
  LineInput::begin("enter the words = ", false);
  EXPECT_EQ(LineInput::readText(), "red shoes  ");
  LineInput::begin("enter the words = ", false);
  EXPECT_EQ(LineInput::readText(), "a, b");
  LineInput::begin("file number = ", true);
  EXPECT_EQ(LineInput::readInt(), 0);
  LineInput::begin("file number = ", true);
  EXPECT_EQ(LineInput::readInt(), 31);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
}

TEST(ScriptedLineInputDeathTest, EndOfInputEndsProgramWithCode1) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: no input read ahead
  EXPECT_EXIT(
      {
        // The child ends without running destructors: nothing of its own to remove.
        if (std::freopen("/dev/null", "rb", stdin) == nullptr) std::abort();
        LineInput::begin("enter the words = ", false);
      },
      ::testing::ExitedWithCode(1), "input ended");
}

}  // namespace
}  // namespace zemlar
