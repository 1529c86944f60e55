#include "rt/posix/cmd/interpreter.hpp"

#include <array>
#include <string>

#include "rt/posix/cmd/command_line.hpp"
#include "rt/posix/cmd/commands.hpp"
#include "rt/posix/cmd/external_program.hpp"
#include "rt/posix/cmd/file_selection.hpp"
#include "rt/posix/cmd/redirected_output.hpp"
#include "rt/posix/cmd/wildcard.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kSyntaxError = "The syntax of the command is incorrect.";
constexpr std::string_view kNotRecognized = "' is not recognized as an internal or external command,";
constexpr std::string_view kNotRecognizedEnd = "operable program or batch file.";
constexpr int kNotRecognizedStatus = 9009;

struct BuiltIn {
  std::string_view name;
  int (*run)(const SimpleCommand&, CommandOutput&);
};

// find, findstr and sort are programs of the native system; here they are built in.
constexpr std::array kBuiltIns{
    BuiltIn{"dir", runDir},         BuiltIn{"del", runDel},           BuiltIn{"erase", runDel},
    BuiltIn{"copy", runCopy},       BuiltIn{"chcp", runChcp},         BuiltIn{"find", runFind},
    BuiltIn{"find.exe", runFind},   BuiltIn{"findstr", runFindstr},   BuiltIn{"findstr.exe", runFindstr},
    BuiltIn{"sort", runSort},       BuiltIn{"sort.exe", runSort},
};

int runSimpleCommand(const SimpleCommand& command, CommandOutput& output) {
  if (command.name.empty()) return 0;  // a line of redirections only: the files are made
  const std::string name = lcase(command.name);
  for (const auto& builtIn : kBuiltIns) {
    if (builtIn.name == name) return builtIn.run(command, output);
  }
  if (const auto program = findProgram(command.name)) return runProgram(*program, command, output);
  writeErrorLine(output, "'" + command.name + std::string(kNotRecognized));
  writeErrorLine(output, kNotRecognizedEnd);
  return kNotRecognizedStatus;
}

// The values an item of a for set stands for: the matching files for a pattern (with the
// folder as written), the item itself otherwise.
std::vector<std::string> loopValues(const std::string& item) {
  if (!hasWildcard(item)) return {item};
  std::string pattern = item;
  std::erase(pattern, '"');
  const FileSelection selection = selectFiles(pattern);
  std::vector<std::string> values;
  for (const auto& file : matchingFiles(selection)) values.push_back(selection.folderAsWritten + file.name);
  return values;
}

int runLoop(const ForLoop& loop, CommandOutput& output) {
  int status = 0;
  for (const auto& item : loop.items) {
    for (const auto& value : loopValues(item)) {
      status = runCommandLine(substituteLoopVariable(loop.body, loop.variable, value), output);
    }
  }
  return status;
}

}  // namespace

int runCommandLine(std::string_view line, CommandOutput& output) {
  const ParsedLine parsed = parseCommandLine(line);
  switch (parsed.kind) {
    case ParsedLine::Kind::Empty:
      return 0;
    case ParsedLine::Kind::SyntaxError:
      writeErrorLine(output, kSyntaxError);
      return 1;
    case ParsedLine::Kind::Loop:
      return runLoop(parsed.loop, output);
    case ParsedLine::Kind::Command:
    case ParsedLine::Kind::Nested:
      break;
  }
  // The files are opened before the command runs, so a listing names its own file.
  RedirectedOutput redirected(output);
  for (const auto& redirection : parsed.redirections) {
    if (!redirected.open(redirection)) return 1;
  }
  if (parsed.kind == ParsedLine::Kind::Nested) return runCommandLine(parsed.nestedLine, redirected);
  return runSimpleCommand(parsed.command, redirected);
}

}  // namespace zemlar::cmd
