// The built-in commands run in a fresh folder, their output captured.
#include <gtest/gtest.h>

#include <sstream>

#include "cmd_test_support.hpp"
#include "rt/posix/console_codepage.hpp"

namespace zemlar::cmd::test {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF in: " << text;
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

constexpr const char* kNotRecognized =
    "'frobnicate' is not recognized as an internal or external command,\r\n"
    "operable program or batch file.\r\n";

// ---- redirection ----

using Redirection = TempFolderTest;

TEST_F(Redirection, CreatesTheFileBeforeTheCommandRunsAndWritesCrLf) {
  writeFile("a.txt", "x");
  EXPECT_EQ(run("dir /b>list.txt"), 0);
  EXPECT_EQ(readFile("list.txt"), "a.txt\r\nlist.txt\r\n");
  EXPECT_EQ(output.out, "");
}

TEST_F(Redirection, AppendsWithDoubleArrowAndTruncatesWithSingle) {
  writeFile("a.txt", "x");
  run("dir /b a.txt >> log.txt");
  run("dir /b a.txt>>log.txt");
  EXPECT_EQ(readFile("log.txt"), "a.txt\r\na.txt\r\n");
  run("dir /b a.txt > log.txt");
  EXPECT_EQ(readFile("log.txt"), "a.txt\r\n");
}

TEST_F(Redirection, SendsOnlyStandardOutputToTheFile) {
  EXPECT_EQ(run("dir /b *.zzz > list.txt"), 1);
  EXPECT_EQ(readFile("list.txt"), "");
  EXPECT_EQ(output.err, "File Not Found\r\n");
}

TEST_F(Redirection, IntoAMissingFolderRunsNothing) {
  writeFile("keep.txt", "x");
  EXPECT_EQ(run("del /q keep.txt > nofolder\\f_01.txt"), 1);
  EXPECT_EQ(output.err, "The system cannot find the path specified.\r\n");
  EXPECT_TRUE(fs::exists("keep.txt"));
}

TEST_F(Redirection, NestedInterpreterWritesThroughTheOuterRedirection) {
  writeFile("a.txt", "x");
  EXPECT_EQ(run("cmd /c cmd /c dir /b a.txt > list.txt"), 0);
  EXPECT_EQ(readFile("list.txt"), "a.txt\r\n");
}

// ---- dir ----

using Dir = TempFolderTest;

TEST_F(Dir, FullListingHasHeadingEntriesAndSummary) {
  writeFile("b.txt", "12345");
  writeFile("A.txt", "1");
  fs::create_directory("sub");
  EXPECT_EQ(run("dir"), 0);
  const auto lines = linesOf(output.out);
  ASSERT_EQ(lines.size(), 12u) << output.out;
  EXPECT_EQ(lines[0], " Volume in drive C has no label.");
  EXPECT_TRUE(lines[1].starts_with(" Volume Serial Number is "));
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], " Directory of " + fs::current_path().string());
  EXPECT_EQ(lines[4], "");
  EXPECT_TRUE(lines[5].ends_with("    <DIR>          .")) << lines[5];
  EXPECT_TRUE(lines[6].ends_with("    <DIR>          ..")) << lines[6];
  EXPECT_TRUE(lines[7].ends_with("                 1 A.txt")) << lines[7];
  EXPECT_TRUE(lines[8].ends_with("                 5 b.txt")) << lines[8];
  EXPECT_TRUE(lines[9].ends_with("    <DIR>          sub")) << lines[9];
  EXPECT_EQ(lines[10], "               2 File(s)              6 bytes");
  EXPECT_TRUE(lines[11].starts_with("               3 Dir(s) ")) << lines[11];
  EXPECT_TRUE(lines[11].ends_with(" bytes free"));
}

TEST_F(Dir, ExtensionlessPatternListsFoldersAndPlainNames) {
  writeFile("convertcp", "");
  writeFile("convertcp.exe", "");
  EXPECT_EQ(run("dir /b *."), 0);
  EXPECT_EQ(output.out, "convertcp\r\n");
}

TEST_F(Dir, ListsASubfolderNamedInOtherLetterCase) {
  fs::create_directory("TXT_IN");
  writeFile("TXT_IN/b.TXT", "");
  writeFile("TXT_IN/a.txt", "");
  writeFile("TXT_IN/c.doc", "");
  EXPECT_EQ(run("dir /b txt_in\\*.txt"), 0);
  EXPECT_EQ(output.out, "a.txt\r\nb.TXT\r\n");
  EXPECT_EQ(run("dir /b txt_in"), 0);
  EXPECT_EQ(output.out, "a.txt\r\nb.TXT\r\nc.doc\r\n");
}

TEST_F(Dir, MissingFolderFailsOnTheErrorOutput) {
  EXPECT_EQ(run("dir /b nothere\\*.txt"), 1);
  EXPECT_EQ(output.out, "");
  EXPECT_EQ(output.err, "The system cannot find the path specified.\r\n");
}

// ---- del and for ----

using Del = TempFolderTest;

TEST_F(Del, DeletesEveryFileOfTheFolderButNotItsFolders) {
  fs::create_directories("htm_out/keep");
  writeFile("htm_out/f_01.txt", "");
  writeFile("htm_out/noext", "");
  EXPECT_EQ(run("del /q htm_out\\*.*"), 0);
  EXPECT_EQ(output.err, "");
  EXPECT_FALSE(fs::exists("htm_out/f_01.txt"));
  EXPECT_FALSE(fs::exists("htm_out/noext"));
  EXPECT_TRUE(fs::is_directory("htm_out/keep"));
}

TEST_F(Del, NothingToDeleteIsReported) {
  EXPECT_EQ(run("del /q check_*.txt"), 1);
  EXPECT_TRUE(output.err.starts_with("Could Not Find ")) << output.err;
}

TEST_F(Del, LoopDeletesEachMatchAndKeepsNamesWithBlanksWhole) {
  writeFile("check_01.txt", "");
  writeFile("CHECK_02.TXT", "");
  writeFile("check_ x.txt", "");
  writeFile("x.txt", "unrelated");
  writeFile("out_null.txt", "");
  EXPECT_EQ(run("for %i in (check_*.txt) do del /q %i >> out_null.txt"), 0);
  EXPECT_FALSE(fs::exists("check_01.txt"));
  EXPECT_FALSE(fs::exists("CHECK_02.TXT"));
  EXPECT_FALSE(fs::exists("check_ x.txt"));
  EXPECT_EQ(readFile("x.txt"), "unrelated");
  EXPECT_TRUE(fs::exists("out_null.txt"));
}

TEST_F(Del, LoopOverNoMatchRunsNothing) {
  EXPECT_EQ(run("for %i in (check_*.txt) do frobnicate %i"), 0);
  EXPECT_EQ(output.err, "");
}

// ---- copy ----

using Copy = TempFolderTest;

TEST_F(Copy, MissingSourceReportsNoCopy) {
  EXPECT_EQ(run("copy /y search_out.htm Google_search_list.htm"), 1);
  EXPECT_EQ(output.err, "The system cannot find the file specified.\r\n");
  EXPECT_EQ(output.out, "        0 file(s) copied.\r\n");
  EXPECT_FALSE(fs::exists("Google_search_list.htm"));
}

TEST_F(Copy, OntoItselfKeepsTheFile) {
  writeFile("a.htm", "content");
  EXPECT_EQ(run("copy /y a.htm A.HTM"), 1);
  EXPECT_EQ(output.err, "The file cannot be copied onto itself.\r\n");
  EXPECT_EQ(readFile("a.htm"), "content");
}

TEST_F(Copy, IntoAFolderKeepsTheName) {
  fs::create_directory("out");
  writeFile("a.htm", "content");
  EXPECT_EQ(run("copy /y a.htm out"), 0);
  EXPECT_EQ(readFile("out/a.htm"), "content");
}

// ---- chcp ----

class Chcp : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    saved_ = posix::consoleCodePage();
  }
  void TearDown() override {
    posix::setConsoleCodePage(saved_);
    TempFolderTest::TearDown();
  }

 private:
  int saved_ = 0;
};

TEST_F(Chcp, SetsAndShowsTheConsoleCodePage) {
  EXPECT_EQ(run("chcp 1251"), 0);
  EXPECT_EQ(output.out, "Active code page: 1251\r\n");
  EXPECT_EQ(posix::consoleCodePage(), 1251);
  EXPECT_EQ(run("chcp"), 0);
  EXPECT_EQ(output.out, "Active code page: 1251\r\n");
  EXPECT_EQ(run("chcp 54936"), 0);
  EXPECT_EQ(posix::consoleCodePage(), 54936);
}

TEST_F(Chcp, RefusesAnUnknownCodePage) {
  posix::setConsoleCodePage(1252);
  EXPECT_EQ(run("chcp 437"), 1);
  EXPECT_EQ(output.err, "Invalid code page\r\n");
  EXPECT_EQ(output.out, "");
  EXPECT_EQ(posix::consoleCodePage(), 1252);
  EXPECT_EQ(run("chcp abc"), 1);
  EXPECT_EQ(posix::consoleCodePage(), 1252);
}

// ---- find, findstr, sort ----

using Search = TempFolderTest;

TEST_F(Search, FindWritesHeadingThenMatchesIgnoringCase) {
  writeFile("check_01.txt", "one.TXT\r\ntwo\nthree.txt\n");
  EXPECT_EQ(run("find /i \".txt\" check_01.txt"), 0);
  EXPECT_EQ(output.out, "\r\n---------- CHECK_01.TXT\r\none.TXT\r\nthree.txt\r\n");
  EXPECT_EQ(run("find \".txt\" check_01.txt"), 0);
  EXPECT_EQ(output.out, "\r\n---------- CHECK_01.TXT\r\nthree.txt\r\n");
}

TEST_F(Search, FindWithoutMatchKeepsTheHeadingAndFails) {
  writeFile("check_01.txt", "a\r\n");
  EXPECT_EQ(run("find /i \"convertcp.exe\" check_01.txt"), 1);
  EXPECT_EQ(output.out, "\r\n---------- CHECK_01.TXT\r\n");
}

TEST_F(Search, FindstrWritesMatchesOnly) {
  writeFile("check_01.txt", "one.TXT\r\ntwo\r\n");
  EXPECT_EQ(run("findstr /i \".txt\" check_01.txt"), 0);
  EXPECT_EQ(output.out, "one.TXT\r\n");
  EXPECT_EQ(run("findstr \".txt\" check_01.txt"), 1);
  EXPECT_EQ(output.out, "");
}

TEST_F(Search, SortOrdersLinesIgnoringCase) {
  writeFile("check_01.txt", "b\r\nC\na\r\nB");
  EXPECT_EQ(run("sort check_01.txt /o check_02.txt"), 0);
  EXPECT_EQ(readFile("check_02.txt"), "a\r\nb\r\nB\r\nC\r\n");
  EXPECT_EQ(output.out, "");
}

struct MissingFileCase {
  const char* line;
  const char* message;
};

TEST_F(Search, MissingFileGivesMessageAndStatusOne) {
  const MissingFileCase cases[] = {
      {"find /i \"x\" nope.txt", "File not found - NOPE.TXT\r\n"},
      {"findstr /i \"x\" nope.txt", "FINDSTR: Cannot open nope.txt\r\n"},
      {"sort nope.txt /o out.txt", "The system cannot find the file specified.\r\n"},
      {"del /q nope\\x.txt", "The system cannot find the path specified.\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(c.line), 1) << c.line;
    EXPECT_EQ(output.err, c.message) << c.line;
    EXPECT_EQ(output.out, "") << c.line;
  }
}

// ---- unknown commands ----

using Unknown = TempFolderTest;

TEST_F(Unknown, CommandIsNotRecognized) {
  EXPECT_EQ(run("frobnicate /x > out.txt"), 9009);
  EXPECT_EQ(output.err, kNotRecognized);
  EXPECT_EQ(readFile("out.txt"), "");
  EXPECT_EQ(run("cmd /c frobnicate"), 9009);
  EXPECT_EQ(output.err, kNotRecognized);
}

TEST_F(Unknown, EmptyLineAndSyntaxErrors) {
  EXPECT_EQ(run(""), 0);
  EXPECT_EQ(run("dir >"), 1);
  EXPECT_EQ(output.err, "The syntax of the command is incorrect.\r\n");
}

}  // namespace
}  // namespace zemlar::cmd::test
