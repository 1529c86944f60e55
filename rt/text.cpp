#include "rt/text.hpp"

#include <cstring>

namespace zemlar {

int compareText(std::string_view a, std::string_view b) {
  const int c = a.compare(b);  // char_traits<char>::compare orders as unsigned char
  return (c > 0) - (c < 0);
}

Text mid(std::string_view text, int32_t start, int32_t length) {
  const auto size = static_cast<int64_t>(text.size());
  if (text.empty() || start < 1 || start > size || length == 0) return {};
  const auto from = static_cast<size_t>(start - 1);
  if (length < 0) return Text(text.substr(from));
  return Text(text.substr(from, static_cast<size_t>(length)));
}

int32_t instr(int32_t start, std::string_view text, std::string_view pattern) {
  const auto size = static_cast<int64_t>(text.size());
  if (text.empty() || pattern.empty() || start < 1 || start > size || pattern.size() > text.size())
    return 0;
  const size_t at = text.find(pattern, static_cast<size_t>(start - 1));
  return at == std::string_view::npos ? 0 : static_cast<int32_t>(at + 1);
}

std::string_view trimmed(std::string_view text) {
  size_t first = 0;
  while (first < text.size() && text[first] == ' ') ++first;
  size_t last = text.size();
  while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\0')) --last;
  return text.substr(first, last - first);
}

Text trim(std::string_view text) { return Text(trimmed(text)); }

Text ltrim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? Text{} : Text(text.substr(first));
}

void lcaseInPlace(std::string& text) {
  // Eight bytes at a time: a byte gets 0x20 added when it is 'A'-'Z'; bytes above 127
  // never match, since their high bit excludes them.
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kHighBits = kOnes * 0x80;
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    const uint64_t low7 = word & ~kHighBits;
    const uint64_t atLeastA = low7 + kOnes * (0x80 - 'A');
    const uint64_t aboveZ = low7 + kOnes * (0x80 - 'Z' - 1);
    const uint64_t capitals = atLeastA & ~aboveZ & ~word & kHighBits;
    word |= capitals >> 2;
    std::memcpy(text.data() + i, &word, 8);
  }
  for (; i < text.size(); ++i)
    if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] + 32);
}

Text lcase(std::string_view text) {
  Text out(text);
  lcaseInPlace(out);
  return out;
}

Text spaces(int32_t n) { return n > 0 ? Text(static_cast<size_t>(n), ' ') : Text{}; }

}  // namespace zemlar
