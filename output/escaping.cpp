#include "output/escaping.hpp"

namespace zemlar {

namespace {

bool needsPercent(unsigned char c) {
  switch (c) {
    case '"': case '#': case '%': case '&': case '+': case '<': case '>': return true;
    default: return c < 32 || c == 127;
  }
}

}  // namespace

std::string queryEscape(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (needsPercent(c)) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

std::string htmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    switch (ch) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += ch;
    }
  }
  return out;
}

}  // namespace zemlar
