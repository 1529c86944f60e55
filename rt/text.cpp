#include "rt/text.hpp"

#include <algorithm>

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

Text trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.size();
  while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\0')) --last;
  return Text(text.substr(first, last - first));
}

Text ltrim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? Text{} : Text(text.substr(first));
}

Text lcase(std::string_view text) {
  Text out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
  return out;
}

Text spaces(int32_t n) { return n > 0 ? Text(static_cast<size_t>(n), ' ') : Text{}; }

}  // namespace zemlar
