#pragma once
// Whole runs of the built program in a folder of its own: started under a site name,
// answered by a script, its console output compared line by line.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/scripted_run.hpp"
#include "support/temp_folder.hpp"

namespace zemlar::e2e {

using Lines = std::vector<std::string>;

inline constexpr std::string_view kSiteName = "www.example-shop.example";
// Matches any one line: reports whose wording belongs to the command interpreter.
inline const std::string kAnyLine = "\x01<any line>";
// Answers that accept the terms and pass the font and installation screens.
inline constexpr std::string_view kThroughScreens = "1\n1\n1\n";

// The console lines of an output (split at CR LF, the last line end dropping nothing).
Lines splitLines(const std::string& out);

::testing::AssertionResult linesAre(const std::string& out, const Lines& expected);
::testing::AssertionResult startsWithLines(const std::string& out, const Lines& expected);
::testing::AssertionResult endsWithLines(const std::string& out, const Lines& expected);
// The lines stand one after the other somewhere in the output.
::testing::AssertionResult containsBlock(const std::string& out, const Lines& block);
// Every LF of the output is part of a CR LF.
::testing::AssertionResult onlyCrLfLineEnds(const std::string& out);

Lines join(std::initializer_list<Lines> parts);

// The expected screens, in the order of a run.
Lines opening(std::string_view buildName, std::string_view invocationName);
// Everything up to the name line of the last tool check of a passing run.
Lines upToChecks(std::string_view buildName = "zemlar_01_064");
Lines siteLines();
Lines termsScreen(std::string_view buildName);
Lines fontScreen();
Lines installationScreen();
Lines passingChecks();
Lines menuLines();  // without the empty line that opens the menu once
std::string entryLine(int entryNumber);
Lines confirmation(int entryNumber);
Lines finalScreen(std::string_view outputFile);
Lines stopBlock(std::string_view message);  // a message and the acknowledge prompt

class WholeRunTest : public ::testing::Test {
 protected:
  WholeRunTest();

  // Runs the program of the build under the given name in the folder.
  test::ScriptedRun run(std::string_view input, const char* executable = ZEMLAR_EXE_064,
                        std::string_view name = kSiteName);
  void addList(std::string_view name, std::string_view content);

  test::TempFolder folder;
};

}  // namespace zemlar::e2e
