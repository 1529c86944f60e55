// Writes that fail, in whole scripted runs: htm_out missing, a file or read-only;
// "search_in.htm" that cannot be written; the document, its conversion or the copy to
// the delivered name meeting a full disk. A run never ends on the final screen (which
// names the delivered document as written) unless the document was delivered whole,
// and it removes or overwrites nothing of the user's on the way.
//
// The full disk is a small tmpfs mounted over the run's folder in a mount namespace of
// the test's own, where the machine allows it (root or a user namespace); elsewhere
// those cases are skipped and the /dev/full cases of the table stand in for them.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "hostile_run.hpp"

namespace zemlar::hostile {
namespace {

namespace fs = std::filesystem;
using e2e::endsWithLines;
using e2e::finalScreen;
using e2e::stopBlock;

constexpr std::string_view kAddress = "http://www.one.example";
const std::string kEarlierPage = "the page an earlier run delivered";

// ---- htm_out ----

struct HtmOutCase {
  const char* name;
  bool needsNonRoot;
  std::function<void(const test::TempFolder&)> lay;
  std::function<void(const test::TempFolder&)> check;  // what must be left afterwards
};
void PrintTo(const HtmOutCase& c, std::ostream* out) { *out << c.name; }

class HtmOut : public HostileRun, public ::testing::WithParamInterface<HtmOutCase> {};

// htm_out is only cleared by the catalogue's two commands; nothing else needs it.
TEST_P(HtmOut, TheRunStillDeliversThePage) {
  const HtmOutCase& c = GetParam();
  if (c.needsNonRoot && ::geteuid() == 0) GTEST_SKIP() << "as root a read-only folder can still be written";
  addList("list.txt", std::string(kAddress) + "\r\n");
  c.lay(folder);
  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(endsWithLines(result.out, finalScreen("Google_search_list.htm")));
  EXPECT_TRUE(isPageAround(document(), "txt_in\\list.txt", kWords, {expectedLinkLine(kWords, kAddress)}));
  EXPECT_EQ(delivered(), document());
  c.check(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, HtmOut,
    ::testing::Values(
        HtmOutCase{"Missing", false, [](const test::TempFolder& f) { fs::remove(f / "htm_out"); },
                   [](const test::TempFolder& f) { EXPECT_FALSE(f.exists("htm_out")); }},
        HtmOutCase{"AFile",
                   false,
                   [](const test::TempFolder& f) {
                     fs::remove(f / "htm_out");
                     f.write("htm_out", "a file of the user's");
                   },
                   [](const test::TempFolder& f) { EXPECT_EQ(f.read("htm_out"), "a file of the user's"); }},
        HtmOutCase{"ListingNameIsAFolder",  // "dir > htm_out\f_01.txt" cannot write
                   false,
                   [](const test::TempFolder& f) { f.write("htm_out/f_01.txt/keep.txt", "kept"); },
                   [](const test::TempFolder& f) { EXPECT_EQ(f.read("htm_out/f_01.txt/keep.txt"), "kept"); }},
        HtmOutCase{"ReadOnly",
                   true,
                   [](const test::TempFolder& f) {
                     f.write("htm_out/old.htm", "old");
                     fs::permissions(f / "htm_out", fs::perms::owner_read | fs::perms::owner_exec);
                   },
                   [](const test::TempFolder& f) { EXPECT_EQ(f.read("htm_out/old.htm"), "old"); }}),
    [](const ::testing::TestParamInfo<HtmOutCase>& info) { return std::string(info.param.name); });

// ---- a document or a delivered page that cannot be written ----

struct UnwritableCase {
  const char* name;
  bool needsNonRoot;
  std::function<void(const test::TempFolder&)> lay;
  std::string message;                                 // the stop message of the run
  std::function<void(const test::TempFolder&)> check;  // what must be left afterwards
};
void PrintTo(const UnwritableCase& c, std::ostream* out) { *out << c.name; }

class Unwritable : public HostileRun, public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(Unwritable, EndsWithAMessageAndNoFinalScreen) {
  const UnwritableCase& c = GetParam();
  if (c.needsNonRoot && ::geteuid() == 0) GTEST_SKIP() << "as root a read-only file can still be written";
  addList("list.txt", std::string(kAddress) + "\r\n");
  c.lay(folder);
  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_TRUE(endsWithLines(result.out, stopBlock(c.message)));
  EXPECT_EQ(result.out.find("Output file:"), std::string::npos);
  c.check(folder);
}

const std::string kWritingFailed = "Writing search_in.htm failed";
const std::string kCopyFailed = "Copying failed: Google_search_list.htm was not written";

// Nothing was converted or delivered, and an earlier delivered page is untouched.
void nothingDelivered(const test::TempFolder& f) {
  EXPECT_FALSE(f.exists("search_out.htm"));
  EXPECT_EQ(f.read("Google_search_list.htm"), kEarlierPage);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, Unwritable,
    ::testing::Values(
        UnwritableCase{"DocumentIsAFolder",
                       false,
                       [](const test::TempFolder& f) {
                         f.write("search_in.htm/keep.txt", "kept");
                         f.write("Google_search_list.htm", kEarlierPage);
                       },
                       kWritingFailed,
                       [](const test::TempFolder& f) {
                         EXPECT_EQ(f.read("search_in.htm/keep.txt"), "kept");
                         nothingDelivered(f);
                       }},
        UnwritableCase{"DocumentIsAnEmptyFolder",
                       false,
                       [](const test::TempFolder& f) {
                         fs::create_directory(f / "search_in.htm");
                         f.write("Google_search_list.htm", kEarlierPage);
                       },
                       kWritingFailed,
                       [](const test::TempFolder& f) {
                         EXPECT_TRUE(fs::is_directory(f / "search_in.htm")) << "a folder of the user's was removed";
                         nothingDelivered(f);
                       }},
        UnwritableCase{"DocumentOnAFullDevice",
                       false,
                       [](const test::TempFolder& f) {
                         fs::create_symlink("/dev/full", f / "search_in.htm");
                         f.write("Google_search_list.htm", kEarlierPage);
                       },
                       kWritingFailed,
                       [](const test::TempFolder& f) {
                         // The incomplete document (here the link) is removed.
                         EXPECT_FALSE(fs::exists(fs::symlink_status(f / "search_in.htm")));
                         nothingDelivered(f);
                       }},
        UnwritableCase{"DocumentReadOnly",
                       true,
                       [](const test::TempFolder& f) {
                         f.write("search_in.htm", "an earlier document");
                         fs::permissions(f / "search_in.htm", fs::perms::owner_read);
                         f.write("Google_search_list.htm", kEarlierPage);
                       },
                       kWritingFailed, nothingDelivered},
        UnwritableCase{"ConvertedIsAFolder",
                       false,
                       [](const test::TempFolder& f) {
                         fs::create_directory(f / "search_out.htm");
                         f.write("Google_search_list.htm", kEarlierPage);
                       },
                       "Conversion to UTF-8 failed: search_out.htm was not written",
                       [](const test::TempFolder& f) {
                         EXPECT_TRUE(fs::is_directory(f / "search_out.htm")) << "a folder of the user's was removed";
                         EXPECT_EQ(f.read("Google_search_list.htm"), kEarlierPage);
                       }},
        UnwritableCase{"DeliveredOnAFullDevice",
                       false,
                       [](const test::TempFolder& f) { fs::create_symlink("/dev/full", f / "Google_search_list.htm"); },
                       kCopyFailed,
                       [](const test::TempFolder& f) {
                         EXPECT_TRUE(isUtf8(f.read("search_out.htm")));
                         EXPECT_TRUE(fs::is_symlink(f / "Google_search_list.htm"));
                       }},
        UnwritableCase{"DeliveredIsAFolder",
                       false,
                       [](const test::TempFolder& f) { f.write("Google_search_list.htm/keep.txt", "kept"); },
                       kCopyFailed,
                       // (The copy command puts search_out.htm into the folder, as the
                       // native copy does; the page is not delivered all the same.)
                       [](const test::TempFolder& f) { EXPECT_EQ(f.read("Google_search_list.htm/keep.txt"), "kept"); }},
        UnwritableCase{"DeliveredReadOnly",
                       true,
                       [](const test::TempFolder& f) {
                         f.write("Google_search_list.htm", kEarlierPage);
                         fs::permissions(f / "Google_search_list.htm", fs::perms::owner_read);
                       },
                       kCopyFailed,
                       [](const test::TempFolder& f) { EXPECT_EQ(f.read("Google_search_list.htm"), kEarlierPage); }}),
    [](const ::testing::TestParamInfo<UnwritableCase>& info) { return std::string(info.param.name); });

// ---- a full disk ----

// A tmpfs of 1 MiB over the run's folder, in a mount namespace of this test process
// alone (each test runs in a process of its own under ctest), so nothing outside sees it
// and it goes with the process if the test dies.
class FullDisk : public HostileRun, public ::testing::WithParamInterface<size_t> {
 protected:
  static constexpr size_t kDiskBytes = 1 << 20;

  void SetUp() override {
    std::string why;
    if (!privateMounts(why)) GTEST_SKIP() << "no mount namespace here (" << why << "); the /dev/full cases stand in";
    if (::mount("tmpfs", folder.path().c_str(), "tmpfs", 0, "size=1m,mode=0755") != 0)
      GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno) << "; the /dev/full cases stand in";
    mounted_ = true;
    // The folder as a run needs it; the program file, convertcp.exe and the list are
    // links to files elsewhere, so the disk holds only what the run writes.
    fs::create_directory(folder / "txt_in");
    fs::create_directory(folder / "htm_out");
    fs::create_symlink(ZEMLAR_CONVERTCP, folder / "convertcp.exe");
    lists_.write("list.txt", listOfBytes(GetParam()));
    fs::create_symlink(lists_ / "list.txt", folder / "txt_in" / "list.txt");
    folder.write("Google_search_list.htm", kEarlierPage);
  }
  void TearDown() override {
    if (mounted_) ::umount2(folder.path().c_str(), MNT_DETACH);
  }

  // Addresses enough for a document of about the given size: each gives a link line of
  // its address twice and some 70 bytes more, the frame is some 1,200 bytes.
  static std::string listOfBytes(size_t documentBytes) {
    std::string list;
    for (size_t i = 0, document = 1200; document < documentBytes; ++i) {
      const std::string address = "http://www.shop-" + std::to_string(i) + ".example/" + std::string(60, 'p');
      list += address + "\r\n";
      document += 2 * address.size() + 70;
    }
    return list;
  }

  static bool privateMounts(std::string& why) {
    static int result = -1;
    static std::string reason;
    if (result < 0) {
      result = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
      if (!result) reason = std::strerror(errno);
    }
    why = reason;
    return result == 1;
  }

  test::TempFolder lists_;
  bool mounted_ = false;
};

TEST_P(FullDisk, NothingIsReportedAsWrittenThatWasNot) {
  const size_t documentBytes = GetParam();
  const test::ScriptedRun result = runList1();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out.find("Output file:"), std::string::npos) << "the final screen after a full disk";
  if (documentBytes > kDiskBytes) {
    EXPECT_TRUE(endsWithLines(result.out, stopBlock(kWritingFailed)));
    EXPECT_FALSE(folder.exists("search_in.htm")) << "an incomplete document was left";
    EXPECT_FALSE(folder.exists("search_out.htm"));
  } else if (documentBytes * 2 > kDiskBytes) {
    EXPECT_TRUE(endsWithLines(result.out, stopBlock("Conversion to UTF-8 failed: search_out.htm was not written")));
    EXPECT_FALSE(folder.exists("search_out.htm"));
  } else {
    EXPECT_TRUE(endsWithLines(result.out, stopBlock(kCopyFailed)));
    EXPECT_EQ(folder.read("search_out.htm").size(), folder.read("search_in.htm").size());
  }
  // No temporary file of the conversion is left behind.
  for (const auto& entry : fs::directory_iterator(folder.path()))
    EXPECT_FALSE(entry.path().extension() == ".tmp") << entry.path();
}

// A document too big for the disk, one that fits but not with its conversion, and one
// whose conversion fits but not the copy to the delivered name.
INSTANTIATE_TEST_SUITE_P(DocumentSizes, FullDisk, ::testing::Values(size_t{2} << 20, 600u << 10, 400u << 10),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                           return info.index == 0 ? "DocumentDoesNotFit"
                                  : info.index == 1 ? "ConversionDoesNotFit"
                                                    : "CopyDoesNotFit";
                         });

}  // namespace
}  // namespace zemlar::hostile
