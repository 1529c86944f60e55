// chcp [n]: shows or sets the code page of the console.
#include <charconv>
#include <optional>
#include <string>

#include "rt/posix/cmd/commands.hpp"
#include "rt/posix/console_codepage.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kActiveCodePage = "Active code page: ";
constexpr std::string_view kInvalidCodePage = "Invalid code page";
constexpr std::string_view kParameterFormat = "Parameter format not correct - ";

std::optional<int> codePageNumber(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return number;
}

}  // namespace

int runChcp(const SimpleCommand& command, CommandOutput& output) {
  if (command.words.size() > 1) {
    writeErrorLine(output, std::string(kParameterFormat) + command.words[1]);
    return 1;
  }
  if (command.words.size() == 1) {
    const auto number = codePageNumber(command.words[0]);
    if (!number) {
      writeErrorLine(output, std::string(kParameterFormat) + command.words[0]);
      return 1;
    }
    if (!posix::isKnownCodePage(*number)) {
      writeErrorLine(output, kInvalidCodePage);
      return 1;
    }
    posix::setConsoleCodePage(*number);
  }
  writeOutputLine(output, std::string(kActiveCodePage) + std::to_string(posix::consoleCodePage()));
  return 0;
}

}  // namespace zemlar::cmd
