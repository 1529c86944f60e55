#include "hostile_run.hpp"

#include <array>
#include <filesystem>

namespace zemlar::hostile {

namespace {

constexpr size_t kHeadLines = 38;
constexpr size_t kClosingLines = 5;

// Bytes replaced in the href (percent) and in the shown text (entity), one lookup a byte:
// the oracle goes through 20 MB lines in the sanitizer build too.
struct Replaced {
  std::array<bool, 256> percent{};
  std::array<bool, 256> entity{};
  Replaced() {
    for (int c = 0; c < 32; ++c) percent[static_cast<size_t>(c)] = true;
    percent[127] = true;
    for (const unsigned char c : std::string_view("\"#%&+<>")) percent[c] = true;
    for (const unsigned char c : std::string_view("&<>\"")) entity[c] = true;
  }
};
const Replaced kReplaced;

// Appends text, its bytes marked in the table replaced by what replace gives.
template <typename Replace>
void appendReplacing(std::string& out, std::string_view text, const std::array<bool, 256>& marked, Replace replace) {
  size_t run = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!marked[c]) continue;
    out.append(text.data() + run, i - run);
    replace(out, c);
    run = i + 1;
  }
  out.append(text.data() + run, text.size() - run);
}

std::string percentEncoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendReplacing(out, text, kReplaced.percent, [](std::string& to, unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const char encoded[3] = {'%', kHex[c >> 4], kHex[c & 15]};
    to.append(encoded, 3);
  });
  return out;
}

std::string entities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendReplacing(out, text, kReplaced.entity, [](std::string& to, unsigned char c) {
    to += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&quot;";
  });
  return out;
}

// The page frame of tests/fixtures/document: the 43 fixed lines of a run of the site
// www.example-shop.example.
Lines fixedLines() {
  const std::filesystem::path fixture = std::filesystem::path(ZEMLAR_FIXTURES) / "document" / "unreadable.expected.htm";
  return e2e::splitLines(test::readFile(fixture));
}

}  // namespace

Lines readableLines(std::string_view list) {
  std::string_view data = list.substr(0, list.find('\x1a'));
  Lines lines;
  while (!data.empty()) {
    const size_t end = data.find('\n');
    if (end == std::string_view::npos) {
      std::string last(data);
      if (last.back() == '\r') last.pop_back();
      lines.push_back(last);
      break;
    }
    std::string line(data.substr(0, end));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    data.remove_prefix(end + 1);
  }
  return lines;
}

std::string addressOf(std::string_view line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = line.find_last_not_of(std::string_view(" \0", 2));
  if (last == std::string_view::npos || last < first) return {};
  std::string address(line.substr(first, last - first + 1));
  for (char& c : address)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return address;
}

std::string expectedLinkLine(std::string_view words, std::string_view address) {
  return "<a href=\"http://www.google.com/search?q=" + percentEncoded(words) + " site:" + percentEncoded(address) +
         "\">" + entities(address) + "</a>";
}

Lines expectedLinkLines(std::string_view list, std::string_view words) {
  Lines links;
  for (const std::string& line : readableLines(list)) {
    const std::string address = addressOf(line);
    if (address.find("http") != std::string::npos) links.push_back(expectedLinkLine(words, address));
  }
  return links;
}

Lines linkLinesOf(const std::string& document) {
  const Lines lines = e2e::splitLines(document);
  if (lines.size() < kHeadLines + kClosingLines) return {};
  return Lines(lines.begin() + kHeadLines, lines.end() - kClosingLines);
}

::testing::AssertionResult isPageAround(const std::string& document, std::string_view inputFile,
                                        std::string_view words, const Lines& linkLines) {
  if (document.size() < 2 || !document.ends_with("\r\n"))
    return ::testing::AssertionFailure() << "the document does not end with CR LF (" << document.size() << " bytes)";
  Lines expected = fixedLines();
  if (expected.size() != kHeadLines + kClosingLines)
    return ::testing::AssertionFailure() << "the page frame fixture has " << expected.size() << " lines";
  expected[33] = "input file: " + std::string(inputFile);
  expected[35] = "Keywords included in Google search string: <b>" + entities(words) + "</b>";
  expected.insert(expected.begin() + kHeadLines, linkLines.begin(), linkLines.end());
  const Lines actual = e2e::splitLines(document);
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << actual.size() << " lines, expected " << expected.size();
  for (size_t i = 0; i < actual.size(); ++i)
    if (actual[i] != expected[i]) {
      const auto shorten = [](const std::string& s) { return s.size() > 300 ? s.substr(0, 300) + "..." : s; };
      return ::testing::AssertionFailure() << "line " << i + 1 << " is \"" << shorten(actual[i]) << "\", expected \""
                                           << shorten(expected[i]) << "\"";
    }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult isUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > bytes.size())
      return ::testing::AssertionFailure() << "not UTF-8 at byte " << i;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) >> 6) != 2)
        return ::testing::AssertionFailure() << "not UTF-8 at byte " << i + k;
    i += length;
  }
  return ::testing::AssertionSuccess();
}

std::string answersFor(std::string_view fileNumber, std::string_view words, std::string_view last) {
  return std::string(e2e::kThroughScreens) + "3\n3\n" + std::string(fileNumber) + "\n" + std::string(words) + "\n" +
         std::string(last);
}

}  // namespace zemlar::hostile
