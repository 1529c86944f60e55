#include "tools/convertcp/code_page.hpp"

#include <charconv>

namespace zemlar::convertcp {

std::optional<CodePage> parseCodePage(std::string_view text) {
  int number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  if (number >= 1250 && number <= 1258) return CodePage{number, Encoding::SingleByte};
  if (number == 54936) return CodePage{number, Encoding::Gb18030};
  if (number == 65001) return CodePage{number, Encoding::Utf8};
  return std::nullopt;
}

}  // namespace zemlar::convertcp
