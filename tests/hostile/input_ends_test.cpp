// Piped answers that end early, at every kind of wait tests/e2e does not reach already
// (it has the browse, the code page number, the file number, the words and the font
// screen): "input ended" on standard error once, exit code 1, and everything up to the
// wait shown. And answers that end without a last line end, with Windows line ends,
// with NUL bytes or in one huge line, which still answer as lines.
#include <filesystem>
#include <functional>
#include <string>

#include "hostile_run.hpp"

namespace zemlar::hostile {
namespace {

namespace fs = std::filesystem;
using e2e::endsWithLines;
using e2e::finalScreen;
using e2e::join;
using e2e::stopBlock;

const std::string kFullRun = answersFor("1", kWords, "");  // up to the final screen

struct EndCase {
  const char* name;
  std::string input;
  int exitCode;
  Lines lastLines;  // the output ends with them
  std::function<void(const test::TempFolder&)> lay = [](const test::TempFolder&) {};
  std::string_view programName = e2e::kSiteName;
  size_t hugeLine = 0;  // bytes "x" after the input, made when the test runs
};
void PrintTo(const EndCase& c, std::ostream* out) { *out << c.name; }

class InputEnds : public HostileRun, public ::testing::WithParamInterface<EndCase> {};

TEST_P(InputEnds, AtTheWaitOfItsKind) {
  const EndCase& c = GetParam();
  addList("list.txt", "http://www.one.example\r\n");
  c.lay(folder);
  const test::ScriptedRun result = run(c.input + std::string(c.hugeLine, 'x'), ZEMLAR_EXE_064, c.programName);
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(result.exitCode, c.exitCode);
  if (c.exitCode == 1) {
    EXPECT_TRUE(result.err.ends_with("input ended\n")) << result.err;
    EXPECT_EQ(result.err.find("input ended"), result.err.size() - 12) << "reported once";
  } else {
    EXPECT_EQ(result.err.find("input ended"), std::string::npos);
  }
  EXPECT_TRUE(endsWithLines(result.out, c.lastLines));
}

const std::string kWritingFailed = "Writing search_in.htm failed";

INSTANTIATE_TEST_SUITE_P(
    Waits, InputEnds,
    ::testing::Values(
        EndCase{"NothingAtAll", "", 1, e2e::termsScreen("zemlar_01_064")},
        EndCase{"OnlyEmptyLines", "\n\r\n\n", 1, e2e::termsScreen("zemlar_01_064")},
        EndCase{"AtTheInstallationScreen", "1\n1\n", 1, e2e::installationScreen()},
        EndCase{"AtTheCodePageMenu", "1\n1\n1\n", 1, e2e::menuLines()},
        EndCase{"AtTheRenamingInstructions", "", 1, {"----------------------------", "", "<1> = continue and end"},
                [](const test::TempFolder&) {}, "zemlar_01_064"},
        EndCase{"AtTheEmptyTxtInStop", "1\n1\n1\n3\n3\n", 1, stopBlock("Subfolder txt_in is empty"),
                [](const test::TempFolder& f) { fs::remove(f / "txt_in" / "list.txt"); }},
        EndCase{"AtTheOutOfRangeStop", answersFor("7", kWords, ""), 1, stopBlock("file number is out of range")},
        EndCase{"AtTheWritingFailedStop", kFullRun, 1, stopBlock(kWritingFailed),
                [](const test::TempFolder& f) { fs::create_symlink("/dev/full", f / "search_in.htm"); }},
        EndCase{"AtTheConversionFailedStop", kFullRun, 1,
                stopBlock("Conversion to UTF-8 failed: search_out.htm was not written"),
                [](const test::TempFolder& f) { fs::create_directory(f / "search_out.htm"); }},
        EndCase{"AtTheCopyFailedStop", kFullRun, 1,
                stopBlock("Copying failed: Google_search_list.htm was not written"),
                [](const test::TempFolder& f) { fs::create_symlink("/dev/full", f / "Google_search_list.htm"); }},
        EndCase{"AtTheFinalScreen", kFullRun, 1, finalScreen("Google_search_list.htm")},
        // A last line without its line end is still a line.
        EndCase{"WordsWithoutALineEnd", answersFor("1", kWords, "").substr(0, kFullRun.size() - 1), 1,
                finalScreen("Google_search_list.htm")},
        EndCase{"LastKeyWithoutALineEnd", answersFor("1", kWords, "1"), 0, finalScreen("Google_search_list.htm")},
        EndCase{"WindowsLineEnds", "1\r\n1\r\n1\r\n3\r\n3\r\n1\r\nred shoes\r\n1\r\n", 0,
                finalScreen("Google_search_list.htm")},
        // A NUL line is a key without a meaning; a line of 10 MB answers with its first byte.
        EndCase{"NulLinesBetweenTheAnswers", std::string("\0\n1\n\0\0\n1\n1\n", 11) + "3\n3\n1\nw\n1\n", 0,
                finalScreen("Google_search_list.htm")},
        EndCase{"OneHugeLineAtTheTerms", "", 1, e2e::termsScreen("zemlar_01_064"), [](const test::TempFolder&) {},
                e2e::kSiteName, 10 << 20},
        EndCase{"OneHugeLineAfterTheTerms", "1\n", 1, e2e::fontScreen(), [](const test::TempFolder&) {},
                e2e::kSiteName, 10 << 20}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

// The run that ended at its final screen delivered the page all the same; the words
// of a last line without a line end are the whole line.
TEST_F(HostileRun, WordsOfALastLineWithoutALineEndAreTaken) {
  addList("list.txt", "http://www.one.example\r\n");
  std::string input = answersFor("1", "blue shoes", "");
  input.pop_back();
  const test::ScriptedRun result = run(input);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(isPageAround(delivered(), "txt_in\\list.txt", "blue shoes",
                           {expectedLinkLine("blue shoes", "http://www.one.example")}));
}

}  // namespace
}  // namespace zemlar::hostile
