#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rt/textfile.hpp"
#include "support/temp_folder.hpp"

using namespace zemlar;
using namespace std::string_literals;
using zemlar::test::TempFolder;

namespace {

class TextFileTest : public ::testing::Test {
 protected:
  // Every line a file gives, read the way the stages read: atEnd before each readLine.
  std::vector<std::string> readAll(std::string_view bytes) {
    folder.write("in.txt", bytes);
    const int n = files.nextFileNumber();
    EXPECT_EQ(files.openInput((folder / "in.txt").string(), n), FileStatus::Ok);
    std::vector<std::string> lines;
    std::string line;
    while (!files.atEnd(n) && lines.size() < 100) {
      files.readLine(n, line);
      lines.push_back(line);
    }
    files.close(n);
    return lines;
  }

  TempFolder folder;
  FileTable files;
};

using Lines = std::vector<std::string>;

TEST_F(TextFileTest, ReadingRules) {
  struct Case { std::string bytes; Lines expected; };
  const Case cases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r\n", {"a\rb"}},                       // a CR in the middle stays
      {"a\r\nb\r", {"a", "b"}},                     // a CR as the last byte is dropped
      {"a\r\r\n", {"a\r"}},                         // only one CR before the LF goes
      {"a\r\n\x1A" "b\r\nc\r\n", {"a", ""}},       // byte 26 ends the readable data
      {"ab\x1A" "cd", {"ab"}},
      {"ab\r\x1A", {"ab"}},                         // a CR last before byte 26
      {"\r\n\r\n", {"", ""}},
      {"\xEF\xBB\xBFx\n", {"\xEF\xBB\xBFx"}},      // no byte-order mark is skipped
      {"a\0b\n"s, {"a\0b"s}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(readAll(c.bytes), c.expected) << ::testing::PrintToString(c.bytes);
}

TEST_F(TextFileTest, LongLinesComeBackWhole) {
  const std::string longLine(20000, 'x');
  EXPECT_EQ(readAll(longLine + "\r\n" + std::string(511, 'y') + "\r\nz"),
            (Lines{longLine, std::string(511, 'y'), "z"}));
  // A CR LF pair across the reader's 8192-byte buffer still reads as one line end.
  const std::string edge(8191, 'e');
  EXPECT_EQ(readAll(edge + "\r\nnext"), (Lines{edge, "next"}));
}

// Byte 26 ends the data wherever it falls against the reader's 8192-byte pieces.
TEST_F(TextFileTest, EndOfTextAtThePieceEdges) {
  const std::string x(8190, 'x');
  struct Case { std::string bytes; Lines expected; };
  const Case cases[] = {
      {x + "\r\n\x1A" "after\r\n", {x, ""}},           // 26 first in the second piece
      {x + "y\x1A" "after", {x + "y"}},                  // 26 last in the first piece
      {x + "yz" + "ab\x1A" "after", {x + "yzab"}},        // a line across, ended by 26
      {x + "yz" + std::string(9000, 'w') + "\x1A", {x + "yz" + std::string(9000, 'w')}},
  };
  for (const auto& c : cases) EXPECT_EQ(readAll(c.bytes), c.expected) << c.bytes.size();
}

TEST_F(TextFileTest, RewindReadsFromTheFirstByteAgain) {
  folder.write("in.txt", "one\r\ntwo\r\n\x1A");
  const int n = files.nextFileNumber();
  ASSERT_EQ(files.openInput((folder / "in.txt").string(), n), FileStatus::Ok);
  std::string line;
  while (!files.atEnd(n)) files.readLine(n, line);
  EXPECT_EQ(line, "");  // the empty line before byte 26
  EXPECT_EQ(files.rewind(n), FileStatus::Ok);
  EXPECT_FALSE(files.atEnd(n));
  files.readLine(n, line);
  EXPECT_EQ(line, "one");
}

TEST_F(TextFileTest, EmptyFileIsAtItsEndAtOnce) {
  folder.write("empty.txt", "");
  ASSERT_EQ(files.openInput((folder / "empty.txt").string(), 1), FileStatus::Ok);
  EXPECT_TRUE(files.atEnd(1));
}

TEST_F(TextFileTest, FailedOpenLeavesTheNumberFree) {
  const int n = files.nextFileNumber();
  EXPECT_EQ(n, 1);
  EXPECT_EQ(files.openInput((folder / "missing.txt").string(), n), FileStatus::CannotOpen);
  EXPECT_EQ(files.nextFileNumber(), 1);
  EXPECT_TRUE(files.atEnd(n));
  std::string target = "unchanged";
  EXPECT_EQ(files.readLine(n, target), FileStatus::BadNumber);
  EXPECT_EQ(target, "unchanged");
  EXPECT_EQ(files.print(n, "x", Sep::EndLine), FileStatus::BadNumber);
  EXPECT_EQ(files.rewind(n), FileStatus::BadNumber);
  EXPECT_EQ(files.close(n), FileStatus::BadNumber);
  // A folder is not a file to read or write.
  std::filesystem::create_directory(folder / "x.txt");
  EXPECT_EQ(files.openInput((folder / "x.txt").string(), n), FileStatus::CannotOpen);
  EXPECT_EQ(files.openOutput((folder / "x.txt").string(), n), FileStatus::CannotOpen);
}

TEST_F(TextFileTest, NumbersAndStatuses) {
  folder.write("a.txt", "a");
  const std::string name = (folder / "a.txt").string();
  EXPECT_EQ(files.openInput(name, 0), FileStatus::BadNumber);
  EXPECT_EQ(files.openInput(name, 256), FileStatus::BadNumber);
  EXPECT_TRUE(files.atEnd(0));
  EXPECT_EQ(files.close(0), FileStatus::BadNumber);
  for (int n = 1; n <= 255; ++n) ASSERT_EQ(files.openInput(name, n), FileStatus::Ok) << n;
  EXPECT_EQ(files.nextFileNumber(), 0);
  EXPECT_EQ(files.openInput(name, 7), FileStatus::BadNumber);  // in use: stays open
  EXPECT_FALSE(files.atEnd(7));
  EXPECT_EQ(files.close(1), FileStatus::Ok);
  EXPECT_EQ(files.nextFileNumber(), 1);
  files.closeAll();
  EXPECT_EQ(files.nextFileNumber(), 1);
  EXPECT_EQ(files.openInput(name, 2), FileStatus::Ok);
  EXPECT_EQ(files.nextFileNumber(), 1);
}

TEST_F(TextFileTest, PrintWritesBytesWithCrLfAndOwnZones) {
  const std::string name = (folder / "out.txt").string();
  folder.write("out.txt", "old content that must go");
  ASSERT_EQ(files.openOutput(name, 3), FileStatus::Ok);
  EXPECT_FALSE(files.atEnd(3));
  EXPECT_EQ(files.print(3, "x", Sep::EndLine), FileStatus::Ok);
  EXPECT_EQ(files.print(3, "x", Sep::EndLine), FileStatus::Ok);
  EXPECT_EQ(files.print(3, std::string(200, 'c'), Sep::Zone), FileStatus::Ok);
  EXPECT_EQ(files.print(3, "\xE0", Sep::None), FileStatus::Ok);
  EXPECT_EQ(files.close(3), FileStatus::Ok);
  EXPECT_EQ(folder.read("out.txt"), "x\r\nx\r\n" + std::string(200, 'c') + std::string(10, ' ') + "\xE0");
}

// Items that fill the 8192-byte buffer exactly, overflow it, or span several buffers,
// from an empty and from a partly filled buffer, all arrive in order.
TEST_F(TextFileTest, ItemsOfEverySizeAgainstTheBufferArriveWhole) {
  const std::string name = (folder / "out.txt").string();
  ASSERT_EQ(files.openOutput(name, 1), FileStatus::Ok);
  std::string expected;
  char fill = 'a';
  for (const size_t size : {size_t{8192}, size_t{100}, size_t{8092}, size_t{3 * 8192 + 5}, size_t{1},
                            size_t{8191}, size_t{2 * 8192}, size_t{0}, size_t{20000}}) {
    const std::string item(size, fill++);
    EXPECT_EQ(files.print(1, item, Sep::None), FileStatus::Ok);
    expected += item;
  }
  EXPECT_EQ(files.close(1), FileStatus::Ok);
  EXPECT_EQ(folder.read("out.txt"), expected);
}

TEST_F(TextFileTest, SlashesAndBackslashesNameTheSameFile) {
  folder.write("sub/In.TXT", "found\r\n");
  std::string line;
  for (const char* relative : {"/sub/In.TXT", "\\sub\\in.txt", "/SUB/in.txt"}) {
    const std::string name = folder.path().string() + relative;
    ASSERT_EQ(files.openInput(name, 1), FileStatus::Ok) << relative;
    files.readLine(1, line);
    EXPECT_EQ(line, "found");
    files.close(1);
  }
}

TEST_F(TextFileTest, AWriteThatCannotReachTheDiskIsReported) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  ASSERT_EQ(files.openOutput("/dev/full", 1), FileStatus::Ok);
  FileStatus worst = FileStatus::Ok;
  for (int i = 0; i < 2000; ++i) {
    const FileStatus status = files.print(1, "a line of the document", Sep::EndLine);
    if (status != FileStatus::Ok) worst = status;
  }
  const FileStatus closed = files.close(1);
  EXPECT_TRUE(worst == FileStatus::IoError || closed == FileStatus::IoError);
}

}  // namespace
