// find [/i /v /c /n] "text" file...: each file under a heading line, then its lines
// that hold the text.
#include <string>

#include "rt/posix/cmd/commands.hpp"
#include "rt/posix/cmd/file_selection.hpp"
#include "rt/posix/cmd/wildcard.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kHeadingPrefix = "---------- ";
constexpr std::string_view kFileNotFound = "File not found - ";
constexpr std::string_view kParameterFormat = "FIND: Parameter format not correct";
constexpr std::string_view kInvalidSwitch = "FIND: Invalid switch";

struct FindOptions {
  bool ignoreCase = false;
  bool invert = false;
  bool countOnly = false;
  bool numbered = false;
  std::string text;
  std::vector<std::string> files;
};

// false on an unknown switch or a missing search text.
bool readOptions(const std::vector<std::string>& arguments, FindOptions& options, CommandOutput& output) {
  bool haveText = false;
  for (const auto& argument : arguments) {
    const std::string lower = lcase(argument);
    if (lower.starts_with("/") && !haveText) {
      if (lower == "/i") options.ignoreCase = true;
      else if (lower == "/v") options.invert = true;
      else if (lower == "/c") options.countOnly = true;
      else if (lower == "/n") options.numbered = true;
      else if (lower != "/off" && lower != "/offline") {
        writeErrorLine(output, kInvalidSwitch);
        return false;
      }
    } else if (!haveText) {
      options.text = argument;
      haveText = true;
    } else {
      options.files.push_back(argument);
    }
  }
  if (!haveText || options.files.empty()) {
    writeErrorLine(output, kParameterFormat);
    return false;
  }
  return true;
}

// The files an argument names, as the heading shows them; empty when none exists.
std::vector<std::string> namedFiles(const std::string& argument) {
  if (!hasWildcard(argument)) return {argument};
  const FileSelection selection = selectFiles(argument);
  std::vector<std::string> names;
  for (const auto& file : matchingFiles(selection)) names.push_back(selection.folderAsWritten + file.name);
  return names;
}

// Writes the file's block; returns the number of matching lines, or -1 when unreadable.
int searchFile(const std::string& name, const FindOptions& options, CommandOutput& output) {
  const auto lines = readTextLines(name);
  if (!lines) return -1;
  const std::string wanted = options.ignoreCase ? lcase(options.text) : options.text;
  std::string block = std::string(kLineEnd) + std::string(kHeadingPrefix) + upperCase(name);
  int matches = 0;
  for (size_t i = 0; i < lines->size(); ++i) {
    const std::string& line = (*lines)[i];
    const bool holds = (options.ignoreCase ? lcase(line) : line).find(wanted) != std::string::npos;
    if (holds == options.invert) continue;
    ++matches;
    if (options.countOnly) continue;
    block += std::string(kLineEnd);
    if (options.numbered) {
      block += '[';
      block += std::to_string(i + 1);
      block += ']';
    }
    block += line;
  }
  if (options.countOnly) block += ": " + std::to_string(matches);
  output.writeOutput(block + std::string(kLineEnd));
  return matches;
}

}  // namespace

int runFind(const SimpleCommand& command, CommandOutput& output) {
  FindOptions options;
  if (!readOptions(splitProgramArguments(command.argumentText), options, output)) return 1;
  bool anyMatch = false;
  for (const auto& argument : options.files) {
    const auto names = namedFiles(argument);
    if (names.empty()) writeErrorLine(output, std::string(kFileNotFound) + upperCase(argument));
    for (const auto& name : names) {
      const int matches = searchFile(name, options, output);
      if (matches < 0) writeErrorLine(output, std::string(kFileNotFound) + upperCase(name));
      if (matches > 0) anyMatch = true;
    }
  }
  return anyMatch ? 0 : 1;
}

}  // namespace zemlar::cmd
