// The command lines the program runs, exactly as it writes them, and the files they
// leave for the stages to count and read.
#include <gtest/gtest.h>

#include "cmd_test_support.hpp"

namespace zemlar::cmd::test {
namespace {

// ---- tool checks ----

struct Probe {
  const char* name;
  std::vector<const char*> commands;
  const char* countedFile;
  int minimum;
};

const std::vector<Probe>& probes() {
  static const std::vector<Probe> all = {
      {"cmd", {"cmd /c dir *. > check_01.txt"}, "check_01.txt", 1},
      {"find",
       {"dir > out_null.txt", "cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt",
        "cmd /c dir > check_01.txt", "cmd /c find /i \".txt\" check_01.txt >  check_02.txt"},
       "check_02.txt", 2},
      {"findstr",
       {"dir > out_null.txt", "cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt",
        "cmd /c dir > check_01.txt", "cmd /c findstr /i \".txt\" check_01.txt > check_02.txt"},
       "check_02.txt", 1},
      {"sort",
       {"dir > check_01.txt", "del /q check_*.txt", "dir *. > check_01.txt", "sort check_01.txt /o check_02.txt"},
       "check_02.txt", 2},
      {"convertcp",
       {"dir > out_null.txt", "cmd /c for %i in (check_*.txt) do del /q %i >> out_null.txt",
        "cmd /c dir /b *.exe > check_01.txt", "cmd /c find /i \"convertcp.exe\" check_01.txt > check_02.txt"},
       "check_02.txt", 2},
  };
  return all;
}

class ToolChecks : public TempFolderTest {
 protected:
  int runProbe(const Probe& probe) {
    for (const char* command : probe.commands) run(command);
    return countNonBlankLines(probe.countedFile);
  }
  void placeConverter(const char* name) { fs::copy_file(ZEMLAR_CONVERTCP, name); }
};

TEST_F(ToolChecks, EveryProbeReachesItsMinimumWithTheConverterPresent) {
  placeConverter("convertcp.exe");
  for (const auto& probe : probes()) {
    EXPECT_GE(runProbe(probe), probe.minimum) << probe.name;
  }
}

TEST_F(ToolChecks, ConverterProbeFallsShortWithoutTheConverter) {
  EXPECT_EQ(runProbe(probes()[4]), 1);
  EXPECT_EQ(readFile("check_02.txt"), "\r\n---------- CHECK_01.TXT\r\n");
}

TEST_F(ToolChecks, ConverterNamedInOtherLetterCasePasses) {
  placeConverter("ConvertCP.EXE");
  EXPECT_EQ(runProbe(probes()[4]), 2);
  EXPECT_EQ(readFile("check_02.txt"), "\r\n---------- CHECK_01.TXT\r\nConvertCP.EXE\r\n");
}

TEST_F(ToolChecks, FindCountIsHeadingPlusTheScratchFileNames) {
  const int count = runProbe(probes()[1]);
  const std::string found = readFile("check_02.txt");
  EXPECT_TRUE(found.starts_with("\r\n---------- CHECK_01.TXT\r\n")) << found;
  EXPECT_NE(found.find(" check_01.txt\r\n"), std::string::npos) << found;
  EXPECT_NE(found.find(" out_null.txt\r\n"), std::string::npos) << found;
  EXPECT_EQ(count, 3);
}

TEST_F(ToolChecks, FindstrCountIsTheMatchesAlone) {
  EXPECT_EQ(runProbe(probes()[2]), 2);
  EXPECT_EQ(readFile("check_02.txt").find("----------"), std::string::npos);
}

TEST_F(ToolChecks, SortKeepsEveryLineOfTheListing) {
  runProbe(probes()[3]);
  EXPECT_EQ(countNonBlankLines("check_02.txt"), countNonBlankLines("check_01.txt"));
  EXPECT_GE(countNonBlankLines("check_01.txt"), 2);
}

TEST_F(ToolChecks, OldScratchFilesAreDeletedBeforeANewListing) {
  writeFile("check_02.txt", "old\r\nold\r\nold\r\n");
  EXPECT_EQ(runProbe(probes()[4]), 1);
}

// ---- input catalogue ----

class InputCatalogue : public TempFolderTest {
 protected:
  void runCatalogueCommands() {
    run("dir > htm_out\\f_01.txt");
    run("del /q htm_out\\*.*");
    run("dir /b  txt_in\\*.txt > txt_file.txt");
  }
};

TEST_F(InputCatalogue, EmptiesTheOutputFolderAndListsTheAddressFiles) {
  fs::create_directories("htm_out");
  writeFile("htm_out/old.htm", "x");
  fs::create_directories("txt_in");
  for (const char* name : {"b_list.txt", "A_LIST.TXT", "Mixed.Txt", "notes.doc", "txt.bak"}) {
    writeFile(fs::path("txt_in") / name, "http://example.test\r\n");
  }
  runCatalogueCommands();
  EXPECT_TRUE(fs::is_empty("htm_out"));
  EXPECT_EQ(readFile("txt_file.txt"), "A_LIST.TXT\r\nb_list.txt\r\nMixed.Txt\r\n");
}

TEST_F(InputCatalogue, EmptyOrMissingInputFolderListsNoAddressFile) {
  runCatalogueCommands();
  EXPECT_EQ(readFile("txt_file.txt").find(".txt"), std::string::npos);
  EXPECT_FALSE(fs::exists("htm_out"));
  fs::create_directories("txt_in");
  runCatalogueCommands();
  EXPECT_EQ(readFile("txt_file.txt"), "");
}

// ---- delivery ----

using Delivery = TempFolderTest;

TEST_F(Delivery, CopyOverwritesAnOlderDeliveredFile) {
  writeFile("search_out.htm", "<html>new</html>\r\n");
  writeFile("google_search_list.htm", "<html>older and longer</html>\r\n");
  EXPECT_EQ(run("copy /y search_out.htm Google_search_list.htm"), 0);
  EXPECT_EQ(output.out, "        1 file(s) copied.\r\n");
  EXPECT_EQ(readFile("google_search_list.htm"), "<html>new</html>\r\n");
  int delivered = 0;
  for (const auto& entry : fs::directory_iterator(".")) delivered += entry.path().filename() != "search_out.htm";
  EXPECT_EQ(delivered, 1) << "the delivered file was written under a second name";
}

}  // namespace
}  // namespace zemlar::cmd::test
