#pragma once
// The system's iconv: the reference the conversions are checked against, and the maker
// of test lists in code page 1251.
#include <optional>
#include <string>
#include <string_view>

namespace zemlar::test {

// `bytes` converted with iconv(3), including its final flush; nothing when iconv rejects
// any of them.
std::optional<std::string> iconvConvert(std::string_view bytes, const char* from, const char* to);

// Text of code page 1251 from UTF-8, by the C library's own tables; throws when iconv
// rejects it.
std::string toCp1251(std::string_view utf8);

}  // namespace zemlar::test
