#include "input/input_catalogue.hpp"

#include <array>
#include <optional>

#include "app/prompts.hpp"
#include "rt/console.hpp"
#include "rt/line_input.hpp"
#include "rt/process.hpp"
#include "rt/text.hpp"
#include "rt/textfile.hpp"

namespace zemlar::InputCatalogue {

namespace {

constexpr std::string_view kCatalogueFile = "txt_file.txt";
constexpr std::string_view kInputFolder = "txt_in\\";

constexpr std::array<std::string_view, 3> kFolderCommands = {
    R"(dir > htm_out\f_01.txt)",
    R"(del /q htm_out\*.*)",
    R"(dir /b  txt_in\*.txt > txt_file.txt)",
};

// Ends the program after a message framed by a line of dashes as long as the message.
[[noreturn]] void stopWith(std::string_view message) {
  Console::endLine();
  Console::print(std::string(message.size(), '-'), Sep::EndLine);
  Console::print(message, Sep::EndLine);
  Console::endLine();
  AckEndPrompt();
}

// Whether the name leads to a file in txt_in. The listing also names folders that match
// "*.txt", and on POSIX names that do not survive as a catalogue line (leading spaces,
// a line break or a backslash inside): offered, they would give a page without links.
bool isListFile(std::string_view name) {
  std::string path(kInputFolder);
  path += name;
  return TextFile::exists(path);
}

// The next qualifying name of the open catalogue that names a file, or none at its end.
std::optional<std::string> nextQualifyingName(int file) {
  std::string line;
  while (!TextFile::atEnd(file)) {
    TextFile::readLine(file, line);
    CatalogueName entry = catalogueName(line);
    if (entry.qualifies && isListFile(entry.name)) return std::move(entry.name);
  }
  return std::nullopt;
}

int countEntries() {
  const int file = nextFileNumber();
  TextFile::openInput(kCatalogueFile, file);
  int count = 0;
  while (nextQualifyingName(file)) ++count;
  TextFile::close(file);
  return count;
}

void printEntryLine(int entryNumber, std::string_view name) {
  Console::printInt(entryNumber, Sep::Zone);
  Console::print(name, Sep::EndLine);
}

// Lists the catalogue; the file stays open for the selection.
int openAndListEntries() {
  const int file = nextFileNumber();
  TextFile::openInput(kCatalogueFile, file);
  int count = 0;
  while (const std::optional<std::string> name = nextQualifyingName(file))
    printEntryLine(++count, *name);
  return file;
}

// Shows the entry of the entered number again and gives its name; closes the file.
std::optional<std::string> selectEntry(int file, int32_t entered) {
  TextFile::rewind(file);
  std::optional<std::string> selected;
  int count = 0;
  while (const std::optional<std::string> name = nextQualifyingName(file)) {
    if (++count != entered) continue;
    printEntryLine(count, *name);
    selected = name;
    break;
  }
  TextFile::close(file);
  return selected;
}

}  // namespace

CatalogueName catalogueName(std::string_view line) {
  std::string name = lcase(trim(line));
  const bool qualifies = instr(1, name, ".txt") > 0;
  return {std::move(name), qualifies};
}

void run(RunState& state) {
  for (const std::string_view command : kFolderCommands) runShell(command);
  if (countEntries() == 0) stopWith("Subfolder txt_in is empty");

  const int file = openAndListEntries();
  Console::print("----------------------------", Sep::EndLine);
  LineInput::begin("file number with list of web addresses = ", true);
  const std::optional<std::string> selected = selectEntry(file, LineInput::readInt());
  if (!selected) stopWith("file number is out of range");

  Console::endLine();
  Console::print("Enter the words that will be included in the Google search string!", Sep::EndLine);
  LineInput::begin("enter the words = ", false);
  state.searchWords = LineInput::readText();
  state.inputFilePath = std::string(kInputFolder) + *selected;
}

}  // namespace zemlar::InputCatalogue
