#include <filesystem>
#include <string>

#include "support/run_fixture.hpp"

namespace zemlar::e2e {
namespace {

constexpr std::string_view kNormalRun = "3\n3\n1\nred shoes\n";

class DeliveryRun : public WholeRunTest {
 protected:
  DeliveryRun() { addList("shops.txt", "http://www.one.example\r\nhttps://www.two.example\r\n"); }
  test::ScriptedRun runToTheEnd(const char* executable = ZEMLAR_EXE_064, std::string_view lastKeys = "1\n") {
    return run(std::string(kThroughScreens) + std::string(kNormalRun) + std::string(lastKeys), executable);
  }
};

TEST_F(DeliveryRun, FinalScreenNamesTheDeliveredDocument) {
  const test::ScriptedRun result = runToTheEnd();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(onlyCrLfLineEnds(result.out));
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  const std::string delivered = folder.read("Google_search_list.htm");
  EXPECT_NE(delivered.find(">https://www.two.example</a>"), std::string::npos);
  EXPECT_EQ(delivered, folder.read("search_out.htm"));
  EXPECT_TRUE(folder.exists("search_in.htm"));
}

TEST_F(DeliveryRun, SecondBuildNamesTheConvertedDocument) {
  const test::ScriptedRun result = runToTheEnd(ZEMLAR_EXE_063);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(startsWithLines(result.out, upToChecks("zemlar_01_063")));
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("search_out.htm")));
  EXPECT_TRUE(folder.exists("Google_search_list.htm"));
}

TEST_F(DeliveryRun, FinalPromptWaitsForKey1) {
  const test::ScriptedRun result = runToTheEnd(ZEMLAR_EXE_064, "x\n2\n\n1\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
}

TEST_F(DeliveryRun, FailedConversionDeliversNoStaleDocument) {
  folder.write("convertcp.exe", "#!/bin/sh\nexit 1\n");
  std::filesystem::permissions(folder / "convertcp.exe", std::filesystem::perms::owner_all);
  folder.write("search_out.htm", "converted by an earlier run");
  folder.write("Google_search_list.htm", "delivered by an earlier run");

  const test::ScriptedRun result = runToTheEnd();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(endsWithLines(result.out, stopBlock("Conversion to UTF-8 failed: search_out.htm was not written")));
  EXPECT_EQ(result.out.find("Output file:"), std::string::npos);
  EXPECT_FALSE(folder.exists("search_out.htm"));
  EXPECT_EQ(folder.read("Google_search_list.htm"), "delivered by an earlier run");
}

}  // namespace
}  // namespace zemlar::e2e
