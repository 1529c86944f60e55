#include "output/escaping.hpp"

#include <array>

namespace zemlar {

namespace {

enum Escape : unsigned char { kKeep = 0, kPercent = 1, kEntity = 2 };

// Which bytes each kind of escaping replaces, one lookup per byte.
constexpr std::array<unsigned char, 256> escapeTable() {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 32; ++c) table[c] |= kPercent;
  table[127] |= kPercent;
  for (const unsigned char c : {'"', '#', '%', '&', '+', '<', '>'}) table[c] |= kPercent;
  for (const unsigned char c : {'&', '<', '>', '"'}) table[c] |= kEntity;
  return table;
}
constexpr auto kEscapes = escapeTable();

std::string_view entityFor(char c) {
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    default: return "&quot;";
  }
}

// Appends text, copying runs of kept bytes whole and replacing the others.
template <typename Replace>
void appendEscaped(std::string& out, std::string_view text, unsigned char kind, Replace replace) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  while (p < end) {
    const auto* run = p;
    while (p < end && !(kEscapes[*p] & kind)) ++p;
    out.append(reinterpret_cast<const char*>(run), static_cast<size_t>(p - run));
    if (p == end) break;
    replace(out, static_cast<char>(*p++));
  }
}

}  // namespace

bool needsNoEscape(std::string_view text) {
  for (const char c : text)
    if (kEscapes[static_cast<unsigned char>(c)] & kPercent) return false;
  return true;
}

void appendQueryEscaped(std::string& out, std::string_view text) {
  appendEscaped(out, text, kPercent, [](std::string& to, char ch) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto c = static_cast<unsigned char>(ch);
    const char encoded[3] = {'%', kHex[c >> 4], kHex[c & 15]};
    to.append(encoded, 3);
  });
}

void appendHtmlEscaped(std::string& out, std::string_view text) {
  appendEscaped(out, text, kEntity, [](std::string& to, char ch) { to.append(entityFor(ch)); });
}

std::string queryEscape(std::string_view text) {
  std::string out;
  appendQueryEscaped(out, text);
  return out;
}

std::string htmlEscape(std::string_view text) {
  std::string out;
  appendHtmlEscaped(out, text);
  return out;
}

}  // namespace zemlar
