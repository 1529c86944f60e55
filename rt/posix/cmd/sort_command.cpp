// sort [/r] [/+n] file [/o out]: the lines of the file in order, letter case ignored,
// written to out or shown.
#include <algorithm>
#include <charconv>
#include <fstream>
#include <string>

#include "rt/platform.hpp"
#include "rt/posix/cmd/commands.hpp"
#include "rt/posix/cmd/file_selection.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kFileNotFound = "The system cannot find the file specified.";
constexpr std::string_view kPathNotFound = "The system cannot find the path specified.";
constexpr std::string_view kInvalidSwitch = "Invalid switch.";

struct SortOptions {
  bool reverse = false;
  size_t startColumn = 1;
  std::string input;
  std::string output;  // empty: the lines are shown
};

bool readOptions(const std::vector<std::string>& arguments, SortOptions& options, CommandOutput& output) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string lower = lcase(arguments[i]);
    if (lower == "/r" || lower == "/reverse") {
      options.reverse = true;
    } else if ((lower == "/o" || lower == "/output") && i + 1 < arguments.size()) {
      options.output = arguments[++i];
    } else if (lower.starts_with("/+")) {
      size_t column = 0;
      const auto [end, error] = std::from_chars(lower.data() + 2, lower.data() + lower.size(), column);
      if (error != std::errc{} || end != lower.data() + lower.size() || column == 0) {
        writeErrorLine(output, kInvalidSwitch);
        return false;
      }
      options.startColumn = column;
    } else if (lower.starts_with("/") || !options.input.empty()) {
      writeErrorLine(output, kInvalidSwitch);
      return false;
    } else {
      options.input = arguments[i];
    }
  }
  return true;
}

std::string_view sortKey(const std::string& line, size_t startColumn) {
  return startColumn - 1 < line.size() ? std::string_view(line).substr(startColumn - 1) : std::string_view();
}

void sortLines(std::vector<std::string>& lines, const SortOptions& options) {
  std::stable_sort(lines.begin(), lines.end(), [&](const std::string& a, const std::string& b) {
    const auto keyA = sortKey(a, options.startColumn);
    const auto keyB = sortKey(b, options.startColumn);
    // Lines equal but for letter case keep their order.
    const int order = compareText(lcase(keyA), lcase(keyB));
    return options.reverse ? order > 0 : order < 0;
  });
}

}  // namespace

int runSort(const SimpleCommand& command, CommandOutput& output) {
  SortOptions options;
  if (!readOptions(splitProgramArguments(command.argumentText), options, output)) return 1;
  std::optional<std::vector<std::string>> lines =
      options.input.empty() ? std::optional(std::vector<std::string>{}) : readTextLines(options.input);
  if (!lines) {
    writeErrorLine(output, kFileNotFound);
    return 1;
  }
  sortLines(*lines, options);
  std::string text;
  for (const auto& line : *lines) text += line + std::string(kLineEnd);
  if (options.output.empty()) {
    output.writeOutput(text);
    return 0;
  }
  std::ofstream out(platform::nativePath(options.output), std::ios::binary | std::ios::trunc);
  if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())).flush()) {
    writeErrorLine(output, kPathNotFound);
    return 1;
  }
  return 0;
}

}  // namespace zemlar::cmd
