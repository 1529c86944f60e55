#include <filesystem>
#include <string>

#include "support/run_fixture.hpp"

namespace zemlar::e2e {
namespace {

TEST_F(WholeRunTest, MissingConvertcpFailsTheLastCheck) {
  std::filesystem::remove(folder / "convertcp.exe");
  const test::ScriptedRun result = run(std::string(kThroughScreens) + "2\n1\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(linesAre(result.out, join({upToChecks(),
                                         {std::string(27, '-'), "Checking for convertcp.exe!",
                                          "Checking for *.7z file", "<1> = continue and end"}})));
}

TEST_F(WholeRunTest, ConvertcpInOtherLetterCasePasses) {
  std::filesystem::rename(folder / "convertcp.exe", folder / "ConvertCP.EXE");
  const test::ScriptedRun result = run(std::string(kThroughScreens) + "4\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(linesAre(result.out, join({upToChecks(), {""}, menuLines()})));
}

}  // namespace
}  // namespace zemlar::e2e
