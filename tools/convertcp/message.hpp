#pragma once
// Joins the parts of an error message. (Chains of "text" + std::string draw a false
// -Wrestrict warning from GCC 12.)
#include <initializer_list>
#include <string>
#include <string_view>

namespace zemlar::convertcp {

inline std::string joinMessage(std::initializer_list<std::string_view> parts) {
  std::string message;
  for (std::string_view part : parts) message += part;
  return message;
}

}  // namespace zemlar::convertcp
