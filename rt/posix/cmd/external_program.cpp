#include "rt/posix/cmd/external_program.hpp"

#include <filesystem>
#include <system_error>

#include "rt/platform.hpp"
#include "rt/posix/cmd/child_process.hpp"
#include "rt/posix/cmd/file_selection.hpp"
#include "rt/posix/cmd/wildcard.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kProgramExtension = ".exe";
constexpr std::string_view kCannotExecute = "The system cannot execute the specified program.";

}  // namespace

std::optional<std::string> findProgram(std::string_view name) {
  if (name.empty() || hasWildcard(name)) return std::nullopt;
  std::string fileName(name);
  if (splitFolderAndName(name).name.find('.') == std::string::npos) fileName += kProgramExtension;
  if (!lcase(fileName).ends_with(kProgramExtension)) return std::nullopt;
  const std::string path = platform::nativePath(fileName);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  // A bare name would not do for the spawn: it must be a path into this folder.
  return path.find('/') == std::string::npos ? "./" + path : path;
}

int runProgram(const std::string& path, const SimpleCommand& command, CommandOutput& output) {
  std::vector<std::string> arguments{command.name};
  for (auto& argument : splitProgramArguments(command.argumentText)) arguments.push_back(std::move(argument));
  const auto status = runChildProcess(path, arguments, output);
  if (!status) {
    writeErrorLine(output, kCannotExecute);
    return 1;
  }
  return *status;
}

}  // namespace zemlar::cmd
