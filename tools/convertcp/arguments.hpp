#pragma once
// The command line: convertcp <from> <to> /i <input file> /o <output file>. The
// platform has already split it into words and removed the quotes.
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "tools/convertcp/code_page.hpp"

namespace zemlar::convertcp {

struct Arguments {
  CodePage from;
  CodePage to;
  std::string input;
  std::string output;
};

struct ArgumentError {
  std::string message;
};

inline constexpr std::string_view kUsage =
    "usage: convertcp <from code page> <to code page> /i \"<input file>\" /o \"<output file>\" "
    "(code pages 1250-1258, 54936, 65001)";

// The words after the program name.
std::variant<Arguments, ArgumentError> parseArguments(std::span<const std::string_view> words);

}  // namespace zemlar::convertcp
