#pragma once
// Hostile inputs to whole runs of the built program: what the page must hold, worked out
// here from the program's rules (reading lists in text mode, the address of a line, the
// escaping of a link) without the program's own code, and the usual answers.
#include <string>
#include <string_view>
#include <vector>

#include "support/run_fixture.hpp"

namespace zemlar::hostile {

using e2e::Lines;

// The lines a list gives when read by the text-mode rules: the data ends at the first
// byte 26; a line ends at LF, which takes one CR before it along; a CR that is the last
// byte of the data is dropped; a last line without a line end still counts.
Lines readableLines(std::string_view list);
// Trimmed as trim does (spaces at the start; spaces and zero bytes at the end) with A
// to Z in lower case.
std::string addressOf(std::string_view line);
// The link line of the page for words and an address: both percent-encoded in the href
// (bytes below 32, 127 and " # % & + < >), the address shown with & < > " as entities.
std::string expectedLinkLine(std::string_view words, std::string_view address);
// One link line for each readable line of the list whose address holds "http".
Lines expectedLinkLines(std::string_view list, std::string_view words);

// The lines of a document between its 38 head lines and its 5 closing lines.
Lines linkLinesOf(const std::string& document);
// The document is the page frame around link lines: 38 head lines that name the input
// file and the words, the link lines, the 5 closing lines, every line ended by CR LF.
::testing::AssertionResult isPageAround(const std::string& document, std::string_view inputFile,
                                        std::string_view words, const Lines& linkLines);
// Valid UTF-8 throughout (the delivered page).
::testing::AssertionResult isUtf8(std::string_view bytes);

// Answers through the screens to code page 3 (Windows-1252), a file number and words.
std::string answersFor(std::string_view fileNumber, std::string_view words, std::string_view last = "1\n");

inline constexpr std::string_view kWords = "red shoes";

class HostileRun : public e2e::WholeRunTest {
 protected:
  // The run of list 1 with kWords, to the final key.
  test::ScriptedRun runList1() { return run(answersFor("1", kWords)); }
  std::string document() const { return folder.read("search_in.htm"); }
  std::string delivered() const { return folder.read("Google_search_list.htm"); }
};

}  // namespace zemlar::hostile
