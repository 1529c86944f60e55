#include <string>

#include "support/run_fixture.hpp"

namespace zemlar::e2e {
namespace {

TEST_F(WholeRunTest, OpeningScreensAndChecksLeadToTheMenu) {
  const test::ScriptedRun result = run(std::string(kThroughScreens) + "4\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(onlyCrLfLineEnds(result.out));
  EXPECT_TRUE(linesAre(result.out, join({upToChecks(), {""}, menuLines()})));
}

TEST_F(WholeRunTest, EveryScreenEndsOnKey2AndIgnoresOtherKeys) {
  const struct {
    const char* input;
    Lines expected;
  } cases[] = {
      {"2\n", join({opening("zemlar_01_064", kSiteName), siteLines(), termsScreen("zemlar_01_064")})},
      {"x\n\n3\n0\n2\n", join({opening("zemlar_01_064", kSiteName), siteLines(), termsScreen("zemlar_01_064")})},
      {"1\n2\n", join({opening("zemlar_01_064", kSiteName), siteLines(), termsScreen("zemlar_01_064"),
                       fontScreen()})},
      {"1\n1\n9\n2\n", join({opening("zemlar_01_064", kSiteName), siteLines(), termsScreen("zemlar_01_064"),
                             fontScreen(), installationScreen()})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    const test::ScriptedRun result = run(c.input);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(linesAre(result.out, c.expected));
  }
}

TEST_F(WholeRunTest, NameWithExeGivesTheSameSite) {
  const std::string name = std::string(kSiteName) + ".exe";
  const test::ScriptedRun result = run("2\n", ZEMLAR_EXE_064, name);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(startsWithLines(result.out, join({opening("zemlar_01_064", name), siteLines(), {std::string(36, '=')}})));
}

Lines renamingInstructions() {
  return {"",
          "----------------------------",
          "The program creates web link to (your) website, which is summarized from the program name.",
          "Therefore, you must rename the program according to the name of (your) website, but the condition is "
          "that the",
          "new program name begins with www...(like www.example-shop.example), http...(like "
          "http.example-shop.example, or https...(like https.example-shop.example)",
          "BE CAREFUL AND COPY AND RENAME THE PROGRAM ACCORDING TO THE INSTRUCTIONS!",
          "Info: http://www.zemlar.example",
          "----------------------------",
          "",
          "<1> = continue and end"};
}

TEST_F(WholeRunTest, NameWithoutSiteShowsRenamingInstructionsAndEndsOnKey1) {
  for (const char* name : {"zemlar_01_064", "www.", "shop.WWW.exe"}) {
    SCOPED_TRACE(name);
    const test::ScriptedRun result = run("2\nx\n1\n", ZEMLAR_EXE_064, name);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(linesAre(result.out, join({opening("zemlar_01_064", name), renamingInstructions()})));
  }
}

TEST_F(WholeRunTest, InputEndingAtAnyWaitEndsWithCode1) {
  // In a browse, at the number entry, at the file number entry, at the words entry.
  for (const char* keys : {"2\n", "3\n", "3\n3\n", "3\n3\n1\n"}) {
    SCOPED_TRACE(keys);
    addList("shops.txt", "http://www.one.example\r\n");
    const test::ScriptedRun result = run(std::string(kThroughScreens) + keys);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "input ended\n");
  }
}

TEST_F(WholeRunTest, InputEndingEarlyEndsWithCode1) {
  const test::ScriptedRun result = run("1\n");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "input ended\n");
  EXPECT_TRUE(linesAre(result.out, join({opening("zemlar_01_064", kSiteName), siteLines(),
                                         termsScreen("zemlar_01_064"), fontScreen()})));
}

}  // namespace
}  // namespace zemlar::e2e
