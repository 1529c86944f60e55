#include "codepage/code_page_menu.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "codepage/code_page_table.hpp"
#include "rt/console.hpp"
#include "rt/keyboard.hpp"
#include "rt/line_input.hpp"
#include "rt/process.hpp"
#include "rt/text.hpp"

namespace zemlar::CodePageMenu {

namespace {

constexpr int kIdleWaitMs = 100;  // a wait between empty polls; a key ends it at once

constexpr std::array<std::string_view, 7> kMenuLines = {
    "---------------------------",
    "Select language code",
    "",
    "<1> = list of code pages for languages",
    "<2> = browse step by step list",
    "<3> = select code page for language",
    "<4> = end of program",
};

const CodePageEntry& entry(int entryNumber) {
  return codePageTable[static_cast<size_t>(entryNumber - 1)];
}

std::string nextKey() {
  for (;;) {
    std::string key = pollKey();
    if (!key.empty()) return key;
    waitForKey(kIdleWaitMs);
  }
}

void listEntries() {
  Console::endLine();
  for (int i = 1; i <= kCodePageCount; ++i) printEntry(i);
}

// Shows the entries one by one, each after a key; "3" stops early. Gives the last key.
std::string browseEntries() {
  std::string key;
  for (int i = 1; i <= kCodePageCount; ++i) {
    Console::endLine();
    printEntry(i);
    key = nextKey();
    if (key == "3") break;
  }
  return key;
}

// The entered entry number, or none when it is out of range or no number.
std::optional<int> askEntryNumber() {
  Console::endLine();
  LineInput::begin("language selection number = ", true);
  const int32_t n = LineInput::readInt();
  if (n < 1 || n > kCodePageCount) return std::nullopt;
  return n;
}

void confirmSelection(int entryNumber) {
  const CodePageEntry& selected = entry(entryNumber);
  Console::printInt(entryNumber, Sep::None);
  Console::print(")", Sep::Zone);
  Console::print(selected.name, Sep::EndLine);
  Console::print(spaces(5), Sep::None);
  Console::print(selected.description, Sep::EndLine);
  Console::print("Windows codepage = ", Sep::None);
  Console::print(selected.name, Sep::EndLine);
}

void select(RunState& state, int entryNumber) {
  confirmSelection(entryNumber);
  state.codePageName = entry(entryNumber).name;
  state.codePageNumberText = mid(state.codePageName, 9);
  runShell("chcp " + state.codePageNumberText);
}

}  // namespace

void printEntry(int entryNumber) {
  const CodePageEntry& shown = entry(entryNumber);
  Console::printInt(entryNumber, Sep::None);
  Console::print(")", Sep::None);
  Console::print(spaces(entryNumber < 10 ? 4 : 3), Sep::None);
  Console::print(shown.name, Sep::Zone);
  Console::print(shown.description, Sep::EndLine);
}

void run(RunState& state) {
  Console::endLine();
  bool menuShown = false;
  for (;;) {
    if (!menuShown) {
      for (const std::string_view line : kMenuLines) Console::print(line, Sep::EndLine);
      menuShown = true;
    }
    std::string key = pollKey();
    if (key == "1") {
      listEntries();
      menuShown = false;
    }
    if (key == "2") {
      key = browseEntries();  // the key that ended the browse acts below
      menuShown = false;
    }
    if (key == "3") {
      if (const std::optional<int> n = askEntryNumber()) {
        select(state, *n);
        return;
      }
      menuShown = false;
    }
    if (key == "4") endProgram(0);
    if (key.empty()) waitForKey(kIdleWaitMs);
  }
}

}  // namespace zemlar::CodePageMenu
