// findstr [/i /v /n /b /e /x /l /r /c:text] "words" file...: the lines that hold any of
// the words, without a heading. The strings are matched literally.
#include <string>

#include "rt/posix/cmd/commands.hpp"
#include "rt/posix/cmd/file_selection.hpp"
#include "rt/posix/cmd/wildcard.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kCannotOpen = "FINDSTR: Cannot open ";
constexpr std::string_view kBadCommandLine = "FINDSTR: Bad command line";
constexpr std::string_view kSwitchPrefix = "FINDSTR: /";
constexpr std::string_view kIgnoredSuffix = " ignored";

struct FindstrOptions {
  bool ignoreCase = false;
  bool invert = false;
  bool numbered = false;
  bool atBeginning = false;
  bool atEnd = false;
  std::vector<std::string> strings;  // any of them makes a line match
  std::vector<std::string> files;
};

void readSwitch(std::string_view argument, FindstrOptions& options, CommandOutput& output) {
  for (size_t i = 1; i < argument.size(); ++i) {
    const char letter = static_cast<char>(lcase(argument.substr(i, 1))[0]);
    if (letter == 'c' && i + 1 < argument.size() && argument[i + 1] == ':') {
      options.strings.emplace_back(argument.substr(i + 2));
      return;
    }
    switch (letter) {
      case 'i': options.ignoreCase = true; break;
      case 'v': options.invert = true; break;
      case 'n': options.numbered = true; break;
      case 'b': options.atBeginning = true; break;
      case 'e': options.atEnd = true; break;
      case 'x': options.atBeginning = options.atEnd = true; break;
      case 'l': case 'r': break;
      default: writeErrorLine(output, std::string(kSwitchPrefix) + letter + std::string(kIgnoredSuffix));
    }
  }
}

bool readOptions(const std::vector<std::string>& arguments, FindstrOptions& options, CommandOutput& output) {
  bool haveWords = false;
  for (const auto& argument : arguments) {
    if (argument.starts_with("/") && !haveWords && options.files.empty()) {
      readSwitch(argument, options, output);
    } else if (options.strings.empty() && !haveWords) {
      for (auto& word : splitCommandWords(argument)) options.strings.push_back(std::move(word));
      haveWords = true;
    } else {
      options.files.push_back(argument);
    }
  }
  if (options.strings.empty() || options.files.empty()) {
    writeErrorLine(output, kBadCommandLine);
    return false;
  }
  return true;
}

bool lineMatches(std::string_view line, const FindstrOptions& options) {
  const std::string text = options.ignoreCase ? lcase(line) : std::string(line);
  for (const auto& string : options.strings) {
    const std::string wanted = options.ignoreCase ? lcase(string) : string;
    const size_t at = options.atBeginning ? (text.starts_with(wanted) ? 0 : std::string::npos)
                                          : text.find(wanted);
    if (at == std::string::npos) continue;
    if (options.atEnd && !text.ends_with(wanted)) continue;
    if (options.atBeginning && options.atEnd && text.size() != wanted.size()) continue;
    return true;
  }
  return false;
}

// Writes the matching lines of one file; -1 when it cannot be read.
int searchFile(const std::string& name, bool showName, const FindstrOptions& options, CommandOutput& output) {
  const auto lines = readTextLines(name);
  if (!lines) return -1;
  int matches = 0;
  for (size_t i = 0; i < lines->size(); ++i) {
    if (lineMatches((*lines)[i], options) == options.invert) continue;
    ++matches;
    std::string shown = showName ? name + ":" : "";
    if (options.numbered) shown += std::to_string(i + 1) + ":";
    writeOutputLine(output, shown + (*lines)[i]);
  }
  return matches;
}

}  // namespace

int runFindstr(const SimpleCommand& command, CommandOutput& output) {
  FindstrOptions options;
  if (!readOptions(splitProgramArguments(command.argumentText), options, output)) return 1;
  const bool showNames = options.files.size() > 1 || hasWildcard(options.files.front());
  bool anyMatch = false;
  for (const auto& argument : options.files) {
    std::vector<std::string> names{argument};
    if (hasWildcard(argument)) {
      const FileSelection selection = selectFiles(argument);
      names.clear();
      for (const auto& file : matchingFiles(selection)) names.push_back(selection.folderAsWritten + file.name);
    }
    for (const auto& name : names) {
      const int matches = searchFile(name, showNames, options, output);
      if (matches < 0) writeErrorLine(output, std::string(kCannotOpen) + name);
      if (matches > 0) anyMatch = true;
    }
  }
  return anyMatch ? 0 : 1;
}

}  // namespace zemlar::cmd
