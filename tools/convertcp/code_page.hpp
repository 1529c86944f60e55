#pragma once
// The code pages convertcp knows: the single-byte pages 1250-1258, 54936 (GB18030) and
// 65001 (UTF-8).
#include <optional>
#include <string_view>

namespace zemlar::convertcp {

enum class Encoding { SingleByte, Gb18030, Utf8 };

struct CodePage {
  int number = 0;
  Encoding encoding = Encoding::Utf8;
};

// The code page named by a decimal number such as "1251", or nothing for any other text.
std::optional<CodePage> parseCodePage(std::string_view text);

}  // namespace zemlar::convertcp
