#pragma once
// The last stage: converts "search_in.htm" to UTF-8 as "search_out.htm", delivers it as
// "Google_search_list.htm" and shows the final screen.
#include <string>
#include <string_view>

#include "app/run_state.hpp"

namespace zemlar::DocumentDelivery {

inline constexpr std::string_view kConvertedName = "search_out.htm";
inline constexpr std::string_view kDeliveredName = "Google_search_list.htm";

// Converts, copies and ends the program at the final screen's prompt. When the
// conversion writes nothing, nothing is delivered and the program ends after a message;
// so it does when the copy to the delivered name fails.
[[noreturn]] void run(RunState& state);

// "convertcp 1250 65001 /i "search_in.htm" /o "search_out.htm""
inline std::string conversionCommand(std::string_view codePageNumberText,
                                     std::string_view unconvertedName,
                                     std::string_view convertedName) {
  std::string command = "convertcp ";
  command += codePageNumberText;
  command += " 65001 /i \"";
  command += unconvertedName;
  command += "\" /o \"";
  command += convertedName;
  command += '"';
  return command;
}

// "copy /y search_out.htm Google_search_list.htm"
inline std::string copyCommand(std::string_view convertedName, std::string_view deliveredName) {
  std::string command = "copy /y ";
  command += convertedName;
  command += ' ';
  command += deliveredName;
  return command;
}

}  // namespace zemlar::DocumentDelivery
