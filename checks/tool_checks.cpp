#include "checks/tool_checks.hpp"

#include <string>

#include "app/prompts.hpp"
#include "checks/tool_probes.hpp"
#include "rt/console.hpp"
#include "rt/process.hpp"
#include "rt/text.hpp"
#include "rt/textfile.hpp"

namespace zemlar::ToolChecks {

namespace {

constexpr std::array<std::string_view, 3> kHeader = {
    "----------------------------",
    "Checking the accessibility of some urgently needed programs:",
    "cmd.exe, find.exe, findstr.exe, sort.exe",
};

void runProbe(const ToolProbe& probe) {
  Console::print(probe.nameLine, Sep::EndLine);
  for (const std::string_view command : probe.commands) runShell(command);
  if (countNonBlankLines(probe.countedFile) >= probe.minimumCount) return;
  for (const std::string_view line : probe.failureLines) Console::print(line, Sep::EndLine);
  AckEndPrompt();
}

}  // namespace

int countNonBlankLines(std::string_view fileName) {
  const int file = nextFileNumber();
  TextFile::openInput(fileName, file);
  int count = 0;
  std::string line;
  while (!TextFile::atEnd(file)) {
    TextFile::readLine(file, line);
    if (!ltrim(line).empty()) ++count;
  }
  TextFile::close(file);
  return count;
}

void run() {
  for (const std::string_view line : kHeader) Console::print(line, Sep::EndLine);
  for (const ToolProbe& probe : kToolProbes) runProbe(probe);
}

}  // namespace zemlar::ToolChecks
