#include "output/search_list_writer.hpp"

#include <map>

#include "app/addresses.hpp"
#include "app/prompts.hpp"
#include "output/document_lines.hpp"
#include "output/escaping.hpp"
#include "output/link_line.hpp"
#include "rt/console.hpp"
#include "rt/textfile.hpp"

namespace zemlar::SearchListWriter {

namespace {

using Values = std::map<std::string_view, std::string>;

// Expands the {name} places of a line in one pass; inserted values are not rescanned.
std::string expand(std::string_view line, const Values& values) {
  std::string out;
  size_t at = 0;
  while (at < line.size()) {
    const size_t open = line.find('{', at);
    const size_t close = open == std::string_view::npos ? open : line.find('}', open);
    if (close == std::string_view::npos) break;
    const auto value = values.find(line.substr(open + 1, close - open - 1));
    out.append(line.substr(at, open - at));
    if (value != values.end()) out += value->second;
    else out.append(line.substr(open, close - open + 1));
    at = close + 1;
  }
  out.append(line.substr(std::min(at, line.size())));
  return out;
}

Values insertedValues(const RunState& state) {
  return {
      {"info", htmlEscape(addresses::kInfoPage)},
      {"program", htmlEscape(state.site.siteProgramName)},
      {"site", htmlEscape(state.site.link)},
      {"input", htmlEscape(state.inputFilePath)},
      {"words", htmlEscape(state.searchWords)},
  };
}

// Writes one link line per qualifying address of the open input file.
bool writeLinkLines(int input, int document, std::string_view searchWords) {
  LinkLineMaker link(searchWords);
  bool ok = true;
  std::string line;
  while (!TextFile::atEnd(input)) {
    TextFile::readLine(input, line);
    if (link.make(line)) ok &= TextFile::print(document, link.line(), Sep::EndLine) == FileStatus::Ok;
  }
  return ok;
}

}  // namespace

std::string linkLine(std::string_view searchWords, std::string_view address) {
  LinkLineMaker link(searchWords);
  link.makeFor(address);
  return std::string(link.line());
}

bool writeDocument(RunState& state) {
  const int input = nextFileNumber();
  const bool inputOpen = TextFile::openInput(state.inputFilePath, input) == FileStatus::Ok;
  const int document = nextFileNumber();
  bool ok = TextFile::openOutput(kDocumentName, document) == FileStatus::Ok;
  state.unconvertedDocumentName = kDocumentName;

  const Values values = insertedValues(state);
  for (const std::string_view line : document::kHeadLines)
    ok &= TextFile::print(document, expand(line, values), Sep::EndLine) == FileStatus::Ok;
  if (inputOpen) ok &= writeLinkLines(input, document, state.searchWords);
  for (const std::string_view line : document::kClosingLines)
    ok &= TextFile::print(document, line, Sep::EndLine) == FileStatus::Ok;

  if (inputOpen) TextFile::close(input);
  ok &= TextFile::close(document) == FileStatus::Ok;
  return ok;
}

void write(RunState& state) {
  if (writeDocument(state)) return;
  // A document that did not reach the disk whole must not be converted and delivered.
  TextFile::remove(kDocumentName);
  const std::string_view message = "Writing search_in.htm failed";
  Console::endLine();
  Console::print(std::string(message.size(), '-'), Sep::EndLine);
  Console::print(message, Sep::EndLine);
  Console::endLine();
  AckEndPrompt();
}

}  // namespace zemlar::SearchListWriter
