// Hostile input folders and file names, in whole scripted runs: txt_in missing, empty,
// a file, holding no list or only things named like lists that are not files; names
// with spaces, capitals and bytes above 127; lists that cannot be read.
//
// What a user expects, and what is tested: the catalogue offers exactly the lists that
// can be chosen. A folder named "x.txt", a pipe or a dangling link named like a list is
// not offered (choosing one would give a page without links, or wait for ever on the
// pipe); with nothing left to offer the run ends with "Subfolder txt_in is empty".
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "hostile_run.hpp"

namespace zemlar::hostile {
namespace {

namespace fs = std::filesystem;
using e2e::containsBlock;
using e2e::endsWithLines;
using e2e::finalScreen;
using e2e::join;
using e2e::stopBlock;

std::string catalogueLine(int number, std::string_view name) {
  std::string line = " " + std::to_string(number);
  return line + std::string(14 - line.size(), ' ') + std::string(name);
}

std::string listOf(std::string_view address) { return "http://" + std::string(address) + "\r\n"; }

struct FolderCase {
  const char* name;
  std::function<void(const test::TempFolder&)> lay;  // lays out txt_in
  Lines offered;                                     // the catalogue names, in order
  int chosen = 0;                                    // the number chosen, when offered
  std::string address = "";                          // the link the chosen list gives
};
void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.name; }

class InputFolder : public HostileRun, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(InputFolder, OffersExactlyTheListsThatCanBeChosen) {
  const FolderCase& c = GetParam();
  c.lay(folder);
  const test::ScriptedRun result = run(answersFor(std::to_string(c.chosen), kWords));
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_FALSE(result.timedOut);
  if (c.offered.empty()) {
    EXPECT_TRUE(endsWithLines(result.out, join({{"Active code page: 1252"}, stopBlock("Subfolder txt_in is empty")})));
    EXPECT_FALSE(folder.exists("search_in.htm"));
    return;
  }
  Lines listing{"Active code page: 1252"};
  for (size_t i = 0; i < c.offered.size(); ++i) listing.push_back(catalogueLine(static_cast<int>(i + 1), c.offered[i]));
  listing.push_back(std::string(28, '-'));
  listing.push_back(catalogueLine(c.chosen, c.offered[static_cast<size_t>(c.chosen - 1)]));
  EXPECT_TRUE(containsBlock(result.out, listing));
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  EXPECT_TRUE(isPageAround(document(), "txt_in\\" + c.offered[static_cast<size_t>(c.chosen - 1)], kWords,
                           {expectedLinkLine(kWords, "http://" + c.address)}));
}

void writeList(const test::TempFolder& folder, const std::string& name, std::string_view address) {
  folder.write("txt_in/" + name, listOf(address));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, InputFolder,
    ::testing::Values(
        // (A missing txt_in and one with no list at all are in tests/e2e.)
        FolderCase{"EmptyFolder", [](const test::TempFolder&) {}, {}},
        FolderCase{"TxtInIsAFile",
                   [](const test::TempFolder& f) {
                     fs::remove(f / "txt_in");
                     f.write("txt_in", listOf("www.one.example"));
                   },
                   {}},
        FolderCase{"NamesThatOnlyLookLikeLists",
                   [](const test::TempFolder& f) {
                     for (const char* name : {"list.txt.bak", "list.tx", "list_txt", "txt", "list.txt~"})
                       writeList(f, name, "www.one.example");
                   },
                   {}},
        FolderCase{"OnlyAFolderNamedLikeAList",
                   [](const test::TempFolder& f) { writeList(f, "x.txt/inner.txt", "www.inner.example"); },
                   {}},
        FolderCase{"AFolderBetweenLists",
                   [](const test::TempFolder& f) {
                     writeList(f, "a.txt", "www.a.example");
                     fs::create_directory(f / "txt_in" / "b.txt");
                     writeList(f, "c.txt", "www.c.example");
                   },
                   {"a.txt", "c.txt"},
                   2,
                   "www.c.example"},
        FolderCase{"DanglingLinkNamedLikeAList",
                   [](const test::TempFolder& f) { fs::create_symlink(f / "gone" / "list.txt", f / "txt_in" / "x.txt"); },
                   {}},
        FolderCase{"PipeNamedLikeAList",
                   [](const test::TempFolder& f) {
                     ASSERT_EQ(::mkfifo((f / "txt_in" / "a.txt").c_str(), 0600), 0);
                     writeList(f, "b.txt", "www.b.example");
                   },
                   {"b.txt"},
                   1,
                   "www.b.example"},
        FolderCase{"LinkToAListElsewhere",
                   [](const test::TempFolder& f) {
                     f.write("lists/real.txt", listOf("www.real.example"));
                     fs::create_symlink(f / "lists" / "real.txt", f / "txt_in" / "Linked.txt");
                   },
                   {"linked.txt"},
                   1,
                   "www.real.example"}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

// ---- file names ----

struct NameCase {
  const char* name;
  std::string fileName;  // in txt_in
  std::string offered;   // as the catalogue shows it, "" when not offered
};
void PrintTo(const NameCase& c, std::ostream* out) { *out << c.name; }

class ListName : public HostileRun, public ::testing::WithParamInterface<NameCase> {};

TEST_P(ListName, IsOfferedInLowerCaseAndChoosingItReadsIt) {
  const NameCase& c = GetParam();
  folder.write("txt_in/" + c.fileName, listOf("www.named.example"));
  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  if (c.offered.empty()) {
    EXPECT_TRUE(endsWithLines(result.out, stopBlock("Subfolder txt_in is empty")));
    return;
  }
  EXPECT_TRUE(containsBlock(result.out, {catalogueLine(1, c.offered), std::string(28, '-'), catalogueLine(1, c.offered)}));
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  EXPECT_TRUE(isPageAround(document(), "txt_in\\" + c.offered, kWords,
                           {expectedLinkLine(kWords, "http://www.named.example")}));
}

INSTANTIATE_TEST_SUITE_P(
    Names, ListName,
    ::testing::Values(NameCase{"SpaceInside", "my shops.txt", "my shops.txt"},
                      NameCase{"Capitals", "SHOPS.TXT", "shops.txt"},
                      NameCase{"MixedCase", "My Shops.Txt", "my shops.txt"},
                      NameCase{"Utf8Letters", "\xC3\x9C" "ber L\xC3\xA4" "den.TXT", "\xC3\x9C" "ber l\xC3\xA4" "den.txt"},
                      NameCase{"Latin1Bytes", "\xC4\xD6\xDC.TXT", "\xC4\xD6\xDC.txt"},
                      NameCase{"TabInside", "a\tb.txt", "a\tb.txt"},
                      NameCase{"ManyDots", "a.b.c.txt", "a.b.c.txt"},
                      // POSIX names that the catalogue line cannot carry: not offered.
                      NameCase{"LeadingSpaces", "  lead.txt", ""},
                      NameCase{"LineBreakInside", "a\nb.txt", ""},
                      NameCase{"BackslashInside", "a\\b.txt", ""}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

// On POSIX two names may differ in case only; the catalogue, in lower case, shows the
// same name twice, and both entries read the file of exactly that lower-case name.
TEST_F(HostileRun, NamesDifferingInCaseOnlyBothReadTheLowerCaseFile) {
  folder.write("txt_in/Shops.txt", listOf("www.upper.example"));
  folder.write("txt_in/shops.txt", listOf("www.lower.example"));
  for (const char* number : {"1", "2"}) {
    SCOPED_TRACE(number);
    const test::ScriptedRun result = run(answersFor(number, kWords));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(containsBlock(result.out, {catalogueLine(1, "shops.txt"), catalogueLine(2, "shops.txt")}));
    EXPECT_TRUE(isPageAround(document(), "txt_in\\shops.txt", kWords,
                             {expectedLinkLine(kWords, "http://www.lower.example")}));
  }
}

// ---- lists that cannot be read ----

// As root every file can be read, so this runs only for other users.
TEST_F(HostileRun, AListWithoutReadPermissionGivesThePageWithoutLinks) {
  if (::geteuid() == 0) GTEST_SKIP() << "as root chmod does not stop reads (see the terminal test of a list gone)";
  addList("closed.txt", listOf("www.closed.example"));
  fs::permissions(folder / "txt_in" / "closed.txt", fs::perms::none);
  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  // An input file that cannot be opened leaves the fixed lines alone.
  EXPECT_TRUE(isPageAround(document(), "txt_in\\closed.txt", kWords, {}));
}

}  // namespace
}  // namespace zemlar::hostile
