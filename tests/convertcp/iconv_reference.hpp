#pragma once
// The system's iconv as the reference the conversions are checked against.
#include <optional>
#include <string>
#include <string_view>

namespace zemlar::test {

// `bytes` converted with iconv(3), including its final flush; nothing when iconv rejects
// any of them.
std::optional<std::string> iconvConvert(std::string_view bytes, const char* from, const char* to);

}  // namespace zemlar::test
