#include "support/run_fixture.hpp"

#include <filesystem>
#include <sstream>

namespace zemlar::e2e {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kHyphens = "----------------------------";  // 28

std::string describe(const Lines& lines, size_t from, size_t to) {
  std::ostringstream text;
  for (size_t i = from; i < to && i < lines.size(); ++i) text << "  [" << i << "] \"" << lines[i] << "\"\n";
  return text.str();
}

bool lineMatches(const std::string& actual, const std::string& expected) {
  return expected == kAnyLine || actual == expected;
}

::testing::AssertionResult compareFrom(const Lines& actual, size_t start, const Lines& expected) {
  for (size_t i = 0; i < expected.size(); ++i) {
    if (start + i >= actual.size())
      return ::testing::AssertionFailure() << "output ends before expected line " << i << " \"" << expected[i]
                                           << "\"; last lines:\n"
                                           << describe(actual, actual.size() < 5 ? 0 : actual.size() - 5, actual.size());
    if (!lineMatches(actual[start + i], expected[i]))
      return ::testing::AssertionFailure() << "line " << start + i << " is \"" << actual[start + i]
                                           << "\", expected \"" << expected[i] << "\"; around it:\n"
                                           << describe(actual, start + i < 3 ? 0 : start + i - 3, start + i + 3);
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

Lines splitLines(const std::string& out) {
  Lines lines;
  size_t at = 0;
  while (at < out.size()) {
    const size_t end = out.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(out.substr(at));
      break;
    }
    lines.push_back(out.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

::testing::AssertionResult linesAre(const std::string& out, const Lines& expected) {
  const Lines actual = splitLines(out);
  if (auto result = compareFrom(actual, 0, expected); !result) return result;
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << "more lines than expected:\n"
                                         << describe(actual, expected.size(), actual.size());
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult startsWithLines(const std::string& out, const Lines& expected) {
  return compareFrom(splitLines(out), 0, expected);
}

::testing::AssertionResult containsBlock(const std::string& out, const Lines& block) {
  const Lines actual = splitLines(out);
  for (size_t start = 0; start + block.size() <= actual.size(); ++start)
    if (compareFrom(actual, start, block)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "block not found:\n"
                                       << describe(block, 0, block.size()) << "in:\n"
                                       << describe(actual, 0, actual.size());
}

::testing::AssertionResult endsWithLines(const std::string& out, const Lines& expected) {
  const Lines actual = splitLines(out);
  if (actual.size() < expected.size())
    return ::testing::AssertionFailure() << "only " << actual.size() << " lines:\n"
                                         << describe(actual, 0, actual.size());
  return compareFrom(actual, actual.size() - expected.size(), expected);
}

::testing::AssertionResult onlyCrLfLineEnds(const std::string& out) {
  for (size_t at = out.find('\n'); at != std::string::npos; at = out.find('\n', at + 1))
    if (at == 0 || out[at - 1] != '\r')
      return ::testing::AssertionFailure() << "a bare LF at byte " << at;
  return ::testing::AssertionSuccess();
}

Lines join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Lines opening(std::string_view buildName, std::string_view invocationName) {
  const std::string build(buildName), name(invocationName);
  return {kAnyLine, build, "", name, build, "", name};
}

Lines upToChecks(std::string_view buildName) {
  return join({opening(buildName, kSiteName), siteLines(), termsScreen(buildName), fontScreen(),
               installationScreen(), passingChecks()});
}

Lines siteLines() { return {"http://www.example-shop.example", "www.example-shop.example.exe", ""}; }

Lines termsScreen(std::string_view buildName) {
  const std::string equals(36, '=');
  return {equals,
          "",
          "THE PROGRAM ALLOWS YOU TO CREATE GOOGLE SEARCH STRINGS FOR VARIOUS WEB ADDRESSES.",
          "Web addresses are arbitrary and written in a *.txt file.",
          "",
          "Program name:" + std::string(buildName) + ".exe",
          "Made by the zemlar team, www.zemlar.example",
          "Terms of use:",
          "The author of the program is not responsible for any direct or indirect damages resulting from any "
          "errors in the program.",
          "Users accept this risk and use the program at their own risk.",
          "",
          "",
          "",
          "- change program;",
          "- integration of the program into other software products.",
          "",
          "Info: www.zemlar.example",
          "",
          equals,
          "Do you accept the terms of use?",
          "",
          "<1> yes, continue",
          "<2> no, end"};
}

Lines fontScreen() {
  return {"",
          std::string(kHyphens),
          "FONT CONSOLAS OR LUCIDA CONSOLE MUST BE SELECTED IN THE PROGRAM EXECUTION WINDOW.",
          "Setting procedure (necessary for correct printing):",
          "- move the mouse to the center of the upper bold edge of the execution window;",
          "- right mouse click;",
          "- select Properties from the drop-down menu;",
          "- select the Font tab;",
          "- this tab includes the Consolas or Lucida Console font.",
          "",
          "In the Layout tab, select the size of the execution window.",
          "Selected settings work when the program is restarted.",
          std::string(kHyphens),
          "",
          "<1> continue",
          "<2> end"};
}

Lines installationScreen() {
  return {"",
          std::string(kHyphens),
          "THE PROGRAM MUST BE INSTALLED (*.7z) IN YOUR OWN DIRECTORY.",
          "During execution, the program creates and also deletes most *.txt and other files.",
          "",
          "TXT files with web addresses that we want to search must be in ANSI format and accessible in the "
          "TXT_IN subdirectory.",
          "The TXT file names must not contain spaces or special characters (ASCII only).",
          std::string(kHyphens),
          "",
          "<1> continue",
          "<2> end"};
}

Lines passingChecks() {
  return {std::string(kHyphens),
          "Checking the accessibility of some urgently needed programs:",
          "cmd.exe, find.exe, findstr.exe, sort.exe",
          "cmd",
          "find",
          "findstr",
          "sort",
          "convertcp"};
}

Lines menuLines() {
  return {std::string(27, '-'),
          "Select language code",
          "",
          "<1> = list of code pages for languages",
          "<2> = browse step by step list",
          "<3> = select code page for language",
          "<4> = end of program"};
}

namespace {
struct ExpectedEntry {
  const char* name;
  const char* description;
};
constexpr ExpectedEntry kEntries[] = {
    {"Windows-1250",
     "Central Europe languages: Albanian, Croatian, Czech, Hungarian, Polish, Romanian, Serbian (Latin), "
     "Slovak, Slovenian"},
    {"Windows-1251",
     "Cyrillic languages: Azeri, Belarusian, Bulgarian, Macedonian, Kazakh, Kyrgyz, Mongolian, Russian, "
     "Serbian, Tatar, Ukrainian, Uzbek"},
    {"Windows-1252",
     "Latin 1 languages: Afrikaans, Basque, Catalan, Danish, Dutch, English, Faroese, Finnish, French, "
     "Galician, German, Icelandic, Indonesian, Italian, Malay, Norwegian, Portuguese, Spanish, Swahili, "
     "Swedish"},
    {"Windows-1253", "Greek"},
    {"Windows-1254", "Turkic languages: Azeri (Latin), Turkish, Uzbek (Latin)"},
    {"Windows-1255", "Hebrew"},
    {"Windows-1256", "Arabic, Farsi, Urdu"},
    {"Windows-1257", "Baltic languages: Estonian, Latvian, Lithuanian"},
    {"Windows-1258", "Vietnamese"},
    {"Windows-54936", "China"},
};

std::string padTo(std::string text, size_t column) {
  if (text.size() < column) text.append(column - text.size(), ' ');
  return text;
}
}  // namespace

// Name at column 7, description at column 28.
std::string entryLine(int entryNumber) {
  const ExpectedEntry& entry = kEntries[entryNumber - 1];
  return padTo(padTo(" " + std::to_string(entryNumber) + ")", 7) + entry.name, 28) + entry.description;
}

// " 3)" and the name at column 14, the description after five spaces.
Lines confirmation(int entryNumber) {
  const ExpectedEntry& entry = kEntries[entryNumber - 1];
  return {padTo(" " + std::to_string(entryNumber) + ")", 14) + entry.name, "     " + std::string(entry.description),
          "Windows codepage = " + std::string(entry.name)};
}

Lines finalScreen(std::string_view outputFile) {
  return {std::string(35, '='), "Output file: " + std::string(outputFile), "",
          "Program info: www.zemlar.example/search-list", "", "<1> = continue and end"};
}

Lines stopBlock(std::string_view message) {
  return {"", std::string(message.size(), '-'), std::string(message), "", "<1> = continue and end"};
}

WholeRunTest::WholeRunTest() {
  fs::create_directory(folder / "txt_in");
  fs::create_directory(folder / "htm_out");
  fs::copy_file(ZEMLAR_CONVERTCP, folder / "convertcp.exe");
}

test::ScriptedRun WholeRunTest::run(std::string_view input, const char* executable, std::string_view name) {
  const fs::path program = folder / name;
  fs::remove(program);
  fs::create_symlink(executable, program);
  return test::runScripted(program, std::string(name), folder.path(), input);
}

void WholeRunTest::addList(std::string_view name, std::string_view content) {
  folder.write("txt_in/" + std::string(name), content);
}

}  // namespace zemlar::e2e
