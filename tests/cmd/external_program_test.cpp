// Programs of the current folder: found without regard to letter case, given their
// arguments as the native runtime splits them, their output passed through.
#include <gtest/gtest.h>

#include "cmd_test_support.hpp"

namespace zemlar::cmd::test {
namespace {

// A stand-in for the converter: each argument in brackets on standard output, a line
// on error output, and an exit status of its own.
constexpr const char* kEchoScript =
    "#!/bin/sh\n"
    "for a in \"$@\"; do printf '[%s]' \"$a\"; done\n"
    "printf '\\r\\n'\n"
    "printf 'warning\\r\\n' >&2\n"
    "exit 3\n";

class ExternalProgram : public TempFolderTest {
 protected:
  void placeProgram(const char* name, const char* script) {
    writeFile(name, script);
    fs::permissions(name, fs::perms::owner_all);
  }
};

TEST_F(ExternalProgram, ConverterGetsItsArgumentsAndItsOutputShows) {
  placeProgram("convertcp.exe", kEchoScript);
  EXPECT_EQ(run("convertcp 1250 65001 /i \"search_in.htm\" /o \"search_out.htm\""), 3);
  EXPECT_EQ(output.out, "[1250][65001][/i][search_in.htm][/o][search_out.htm]\r\n");
  EXPECT_EQ(output.err, "warning\r\n");
}

TEST_F(ExternalProgram, ArgumentsFollowTheNativeSplittingRules) {
  placeProgram("convertcp.exe", kEchoScript);
  run("convertcp \"a b\" \"q\\\"uote\" back\\\\slash \"\"");
  EXPECT_EQ(output.out, "[a b][q\"uote][back\\\\slash][]\r\n");
}

TEST_F(ExternalProgram, FoundInOtherLetterCaseAndWithItsExtension) {
  placeProgram("CONVERTCP.EXE", kEchoScript);
  EXPECT_EQ(run("convertcp x"), 3);
  EXPECT_EQ(output.out, "[x]\r\n");
  EXPECT_EQ(run("ConvertCP.exe y"), 3);
  EXPECT_EQ(output.out, "[y]\r\n");
}

TEST_F(ExternalProgram, RedirectionTakesStandardOutputOnly) {
  placeProgram("convertcp.exe", kEchoScript);
  run("convertcp a > out.txt");
  EXPECT_EQ(readFile("out.txt"), "[a]\r\n");
  EXPECT_EQ(output.out, "");
  EXPECT_EQ(output.err, "warning\r\n");
}

TEST_F(ExternalProgram, ReadsNothingFromTheProgramsInput) {
  placeProgram("convertcp.exe", "#!/bin/sh\nif read line; then echo got; else echo none; fi\n");
  EXPECT_EQ(run("convertcp"), 0);
  EXPECT_EQ(output.out, "none\n");
}

TEST_F(ExternalProgram, FileThatCannotRunIsReported) {
  placeProgram("convertcp.exe", "not a program\n");
  EXPECT_EQ(run("convertcp"), 1);
  EXPECT_EQ(output.err, "The system cannot execute the specified program.\r\n");
}

TEST_F(ExternalProgram, ProgramsElsewhereAreNotRecognized) {
  fs::create_directory("tools");
  placeProgram("tools/convertcp.exe", kEchoScript);
  EXPECT_EQ(run("convertcp x"), 9009);
  EXPECT_EQ(run("ls"), 9009);
}

TEST_F(ExternalProgram, BuiltConverterStarts) {
  fs::copy_file(ZEMLAR_CONVERTCP, "convertcp.exe");
  const int status = run("convertcp 1250 65001 /i \"search_in.htm\" /o \"search_out.htm\"");
  EXPECT_NE(status, 9009);
  EXPECT_EQ(output.err.find("cannot execute"), std::string::npos);
}

}  // namespace
}  // namespace zemlar::cmd::test
