#include "dom_links.hpp"

#include <array>
#include <utility>

namespace zemlar::browser {

namespace {

// The references a serializer writes into text and attribute values.
std::string resolveReferences(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kReferences = {{
      {"&amp;", "&"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&nbsp;", "\xC2\xA0"}, {"&#39;", "'"},
  }};
  std::string out;
  for (size_t at = 0; at < text.size();) {
    bool replaced = false;
    for (const auto& [reference, character] : kReferences) {
      if (text.substr(at, reference.size()) != reference) continue;
      out += character;
      at += reference.size();
      replaced = true;
      break;
    }
    if (!replaced) out += text[at++];
  }
  return out;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string formDecode(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    const int high = i + 2 < value.size() ? hexValue(value[i + 1]) : -1;
    const int low = i + 2 < value.size() ? hexValue(value[i + 2]) : -1;
    if (value[i] == '%' && high >= 0 && low >= 0) {
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += value[i] == '+' ? ' ' : value[i];
    }
  }
  return out;
}

// The href value of the attributes of one start tag (the text between "<a" and its '>'),
// reading quoted values whole so a '>' inside one does not end the tag.
std::optional<std::string> hrefOf(std::string_view tag, size_t& end) {
  std::optional<std::string> href;
  size_t at = 0;
  while (at < tag.size() && tag[at] != '>') {
    const size_t nameEnd = tag.find_first_of("= >", at);
    if (nameEnd == std::string_view::npos) break;
    const std::string_view name = tag.substr(at, nameEnd - at);
    at = nameEnd;
    if (tag[at] == '=' && at + 1 < tag.size() && tag[at + 1] == '"') {
      const size_t close = tag.find('"', at + 2);
      if (close == std::string_view::npos) break;
      if (name == "href") href = resolveReferences(tag.substr(at + 2, close - at - 2));
      at = close + 1;
    } else if (tag[at] == ' ') {
      ++at;
    }
  }
  end = at;
  return href;
}

}  // namespace

std::vector<Link> linksOf(std::string_view dom) {
  std::vector<Link> links;
  for (size_t open = dom.find("<a "); open != std::string_view::npos; open = dom.find("<a ", open + 1)) {
    const std::string_view rest = dom.substr(open + 3);
    size_t tagEnd = 0;
    std::optional<std::string> href = hrefOf(rest, tagEnd);
    if (!href || tagEnd >= rest.size()) continue;
    const size_t close = rest.find("</a>", tagEnd);
    if (close == std::string_view::npos) continue;
    links.push_back({std::move(*href), resolveReferences(rest.substr(tagEnd + 1, close - tagEnd - 1))});
  }
  return links;
}

std::optional<std::string> searchQuery(std::string_view href) {
  href = href.substr(0, href.find('#'));
  const size_t question = href.find('?');
  if (question == std::string_view::npos) return std::nullopt;
  const std::string_view query = href.substr(question + 1);
  if (query.find('&') != std::string_view::npos || !query.starts_with("q=")) return std::nullopt;
  return formDecode(query.substr(2));
}

}  // namespace zemlar::browser
