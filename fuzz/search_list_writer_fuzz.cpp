// The search list document written from a list of arbitrary bytes with arbitrary search
// words: 43 fixed lines plus one per line that holds "http", every line ending CR LF,
// nothing of the input able to leave the query of a link, and every link line the same
// as one made the slow way.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/addresses.hpp"
#include "app/run_state.hpp"
#include "fuzz_check.hpp"
#include "fuzz_folder.hpp"
#include "output/escaping.hpp"
#include "output/search_list_writer.hpp"
#include "rt/text.hpp"
#include "text_lines.hpp"

using namespace zemlar;

namespace {

constexpr std::size_t kFixedLines = 43;
constexpr std::size_t kLinksStart = 38;  // the head lines come first

// The addresses that get a link: every line trimmed and lower-cased, when it holds "http".
std::vector<std::string> qualifyingAddresses(std::string_view list) {
  std::vector<std::string> addresses;
  for (const std::string& line : expectedTextLines(list)) {
    std::string address = lcase(trimmed(line));
    if (address.find("http") != std::string::npos) addresses.push_back(std::move(address));
  }
  return addresses;
}

// The link line made the slow way, from the plain text operations and escaping.
std::string slowLinkLine(std::string_view words, std::string_view address) {
  return R"(<a href="http://)" + std::string(addresses::kSearchHost) + "/search?q=" + queryEscape(words) +
         " site:" + queryEscape(address) + R"(">)" + htmlEscape(address) + "</a>";
}

// The document cut into its lines, each checked for its CR LF end.
std::vector<std::string_view> documentLines(std::string_view document) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t stop; (stop = document.find('\n', start)) != std::string_view::npos; start = stop + 1) {
    FUZZ_CHECK(stop > start && document[stop - 1] == '\r');
    lines.push_back(document.substr(start, stop - 1 - start));
  }
  FUZZ_CHECK(start == document.size());  // nothing after the last line end
  return lines;
}

// <a href="http://HOST/search?q=QUERY">TEXT</a>: the href ends where the text begins.
void checkLinkLine(std::string_view line) {
  constexpr std::string_view kStart = R"(<a href=")";
  FUZZ_CHECK(line.substr(0, kStart.size()) == kStart);
  const std::size_t hrefEnd = line.find('"', kStart.size());
  FUZZ_CHECK(hrefEnd != std::string_view::npos);
  const std::string_view href = line.substr(kStart.size(), hrefEnd - kStart.size());
  FUZZ_CHECK(href.find_first_of("<>") == std::string_view::npos);
  FUZZ_CHECK(line.substr(hrefEnd, 2) == "\">");
  const std::string_view text = line.substr(hrefEnd + 2);
  FUZZ_CHECK(text.size() >= 4 && text.substr(text.size() - 4) == "</a>");
  FUZZ_CHECK(text.substr(0, text.size() - 4).find_first_of("<>\"") == std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static FuzzFolder folder;
  static const bool made = std::filesystem::create_directory("txt_in");
  (void)made;
  FuzzedDataProvider in(data, size);
  std::string words = in.ConsumeRandomLengthString(80);
  std::erase(words, '\n');  // the words are one typed line
  const std::string list = in.ConsumeRemainingBytesAsString();
  FuzzFolder::write("txt_in/list.txt", list);

  RunState state;
  state.site = {"http://www.example-shop.example", "www.example-shop.example.exe"};
  state.inputFilePath = "txt_in\\list.txt";
  state.searchWords = words;
  FUZZ_CHECK(SearchListWriter::writeDocument(state));

  const std::string document = FuzzFolder::read("search_in.htm");
  const std::vector<std::string_view> lines = documentLines(document);
  const std::vector<std::string> links = qualifyingAddresses(list);
  FUZZ_CHECK(lines.size() == kFixedLines + links.size());
  for (std::size_t i = 0; i < links.size(); ++i) {
    checkLinkLine(lines[kLinksStart + i]);
    FUZZ_CHECK(lines[kLinksStart + i] == slowLinkLine(words, links[i]));
  }
  return 0;
}
