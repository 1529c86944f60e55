#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "convertcp_runner.hpp"
#include "support/iconv_reference.hpp"
#include "support/temp_folder.hpp"

using namespace zemlar::test;
namespace fs = std::filesystem;

namespace {

const std::string kFffd = "\xEF\xBF\xBD";

class ConvertcpProgram : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(ConvertcpProgram, ConvertsQuietlyAndLeavesOnlyTheOutput) {
  folder.write("search in.htm", "<b>\xCF\xF0\xE8\xE2\xE5\xF2</b>\r\n");
  folder.write("out.htm", "an older output that is replaced");
  const ConvertcpRun run = runConvertcp(folder.path(), "1251 65001 /i \"search in.htm\" /o \"out.htm\"");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(folder.read("out.htm"), "<b>Привет</b>\r\n");
  EXPECT_EQ(folderNames(folder.path()), (std::set<std::string>{"search in.htm", "out.htm"}));
}

TEST_F(ConvertcpProgram, ConvertsAFileInPlace) {
  folder.write("page.htm", "\xC6\xE5\xED\xFF");
  EXPECT_EQ(runConvertcp(folder.path(), "1251 65001 /I page.htm /O page.htm").exitCode, 0);
  EXPECT_EQ(folder.read("page.htm"), "Женя");
}

TEST_F(ConvertcpProgram, CountsUndefinedBytesInOneLine) {
  folder.write("in.txt", "a\x98" "b\x98");
  const ConvertcpRun run = runConvertcp(folder.path(), "1251 65001 /i in.txt /o out.txt");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.errors, "convertcp: 2 byte sequences undefined in code page 1251 became U+FFFD\n");
  EXPECT_EQ(folder.read("out.txt"), "a" + kFffd + "b" + kFffd);
}

TEST_F(ConvertcpProgram, Utf8To1251AndBack) {
  const std::string utf8 = "<a href=\"https://www.example.com\">Ёлки, ёжики и щи</a>\r\n";
  folder.write("utf8.txt", utf8);
  EXPECT_EQ(runConvertcp(folder.path(), "65001 1251 /i utf8.txt /o 1251.txt").exitCode, 0);
  EXPECT_EQ(folder.read("1251.txt"), *iconvConvert(utf8, "UTF-8", "CP1251"));
  EXPECT_EQ(runConvertcp(folder.path(), "1251 65001 /i 1251.txt /o back.txt").exitCode, 0);
  EXPECT_EQ(folder.read("back.txt"), utf8);
}

TEST_F(ConvertcpProgram, Gb18030RoundTripAndCutLastCharacter) {
  const std::string utf8 = "中文网页 𠀀𪚥 € ß ascii\r\n";
  folder.write("utf8.txt", utf8);
  EXPECT_EQ(runConvertcp(folder.path(), "65001 54936 /i utf8.txt /o gb.txt").exitCode, 0);
  EXPECT_EQ(folder.read("gb.txt"), *iconvConvert(utf8, "UTF-8", "GB18030"));
  EXPECT_EQ(runConvertcp(folder.path(), "54936 65001 /i gb.txt /o back.txt").exitCode, 0);
  EXPECT_EQ(folder.read("back.txt"), utf8);

  folder.write("cut.txt", "\xD6\xD0\x95\x32\x82");
  const ConvertcpRun run = runConvertcp(folder.path(), "54936 65001 /i cut.txt /o out.txt");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.errors, "convertcp: 1 byte sequences undefined in code page 54936 became U+FFFD\n");
  EXPECT_EQ(folder.read("out.txt"), "中" + kFffd);
}

// A search list document in each code page of the program's menu, made of every byte
// the page defines, converted to UTF-8 exactly as iconv converts it. In 1255 and 1258
// iconv joins a letter and a following combining mark into one character, which a
// byte-by-byte code page conversion does not do, so there each character stands alone.
std::string documentOfPage(int page) {
  std::string document;
  std::string word;
  const bool spaced = page == 1255 || page == 1258;
  for (int byte = 0x80; byte < 0x100; ++byte) {
    if (!iconvConvert(std::string(1, static_cast<char>(byte)), ("CP" + std::to_string(page)).c_str(), "UTF-8"))
      continue;
    word += static_cast<char>(byte);
    if (spaced) word += ' ';
    if (word.size() >= 12 || byte == 0xFF) {
      document += "<a href=\"https://www.google.com/search?q=" + word + "+site:www.example.com\">" + word +
                  "</a><br>\r\n";
      word.clear();
    }
  }
  return document;
}

TEST_F(ConvertcpProgram, DocumentsInEveryMenuCodePageMatchIconv) {
  for (int page : {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258}) {
    const std::string document = documentOfPage(page);
    folder.write("in.htm", document);
    const ConvertcpRun run = runConvertcp(folder.path(), std::to_string(page) + " 65001 /i in.htm /o out.htm");
    EXPECT_EQ(run.exitCode, 0) << page;
    EXPECT_EQ(run.errors, "") << page;
    EXPECT_EQ(folder.read("out.htm"), *iconvConvert(document, ("CP" + std::to_string(page)).c_str(), "UTF-8"))
        << page;
  }
  const std::string chinese = *iconvConvert(
      "<a href=\"https://www.google.com/search?q=红色鞋子+site:www.example.cn\">红色鞋子 𠀀</a><br>\r\n",
      "UTF-8", "GB18030");
  folder.write("in.htm", chinese);
  EXPECT_EQ(runConvertcp(folder.path(), "54936 65001 /i in.htm /o out.htm").exitCode, 0);
  EXPECT_EQ(folder.read("out.htm"), *iconvConvert(chinese, "GB18030", "UTF-8"));
}

// Every failure: a non-zero exit, one line on standard error, and nothing new in the
// folder (neither the output nor a temporary file).
TEST_F(ConvertcpProgram, ErrorsLeaveNoFileBehind) {
  struct Case {
    const char* name;
    std::string arguments;
    std::string expected;  // part of the message
    std::string shellPrefix = "";
  };
  const Case cases[] = {
      {"missing input", "1251 65001 /i missing.txt /o out.txt", "cannot open input file \"missing.txt\""},
      {"input is a folder", "1251 65001 /i folder /o out.txt", "cannot read input file \"folder\""},
      {"unknown code page", "1251 437 /i in.txt /o out.txt", "unknown code page \"437\""},
      {"code page not a number", "cp1251 65001 /i in.txt /o out.txt", "unknown code page \"cp1251\""},
      {"no arguments", "", "missing code pages"},
      {"no output", "1251 65001 /i in.txt", "missing output file"},
      {"no name after /o", "1251 65001 /i in.txt /o", "missing file name after \"/o\""},
      {"unknown switch", "1251 65001 /i in.txt /x out.txt", "unknown argument \"/x\""},
      {"input twice", "1251 65001 /i in.txt /i in.txt /o out.txt", "\"/i\" given twice"},
      {"output folder missing", "1251 65001 /i in.txt /o nowhere/out.txt", "cannot create output file"},
      {"output is a folder", "1251 65001 /i in.txt /o folder", "cannot replace output file \"folder\""},
      // The file size limit makes the writes fail as on a full disk.
      {"write fails", "1251 65001 /i in.txt /o out.txt", "cannot write output file \"out.txt\"",
       "ulimit -f 64; trap '' XFSZ;"},
  };
  folder.write("in.txt", std::string(200000, '\xC6'));
  fs::create_directory(folder / "folder");
  const std::set<std::string> before = folderNames(folder.path());
  for (const Case& c : cases) {
    const ConvertcpRun run = runConvertcp(folder.path(), c.arguments, c.shellPrefix);
    EXPECT_NE(run.exitCode, 0) << c.name;
    EXPECT_EQ(run.errors.rfind("convertcp: ", 0), 0u) << c.name << ": " << run.errors;
    EXPECT_NE(run.errors.find(c.expected), std::string::npos) << c.name << ": " << run.errors;
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << c.name << ": " << run.errors;
    EXPECT_EQ(folderNames(folder.path()), before) << c.name;
    EXPECT_TRUE(fs::is_empty(folder / "folder")) << c.name;
  }
}

}  // namespace
