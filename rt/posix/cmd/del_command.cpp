// del [/q] pattern...: deletes the matching files of a folder; folders stay.
#include <filesystem>
#include <system_error>

#include "rt/posix/cmd/commands.hpp"
#include "rt/posix/cmd/file_selection.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kCouldNotFind = "Could Not Find ";
constexpr std::string_view kPathNotFound = "The system cannot find the path specified.";
constexpr std::string_view kAccessDenied = "Access is denied.";
constexpr std::string_view kSyntaxError = "The syntax of the command is incorrect.";

namespace fs = std::filesystem;

int deleteMatching(const std::string& argument, CommandOutput& output) {
  const FileSelection selection = selectFiles(argument);
  if (!selection.folderExists) {
    writeErrorLine(output, kPathNotFound);
    return 1;
  }
  const auto files = matchingFiles(selection);
  if (files.empty()) {
    std::error_code ec;
    const fs::path shown = fs::absolute(selection.folderPath, ec).lexically_normal() / selection.pattern;
    writeErrorLine(output, std::string(kCouldNotFind) + shown.string());
    return 1;
  }
  int status = 0;
  for (const auto& file : files) {
    std::error_code ec;
    fs::remove(fs::path(selection.folderPath) / file.name, ec);
    if (ec) {
      writeErrorLine(output, kAccessDenied);
      status = 1;
    }
  }
  return status;
}

}  // namespace

// Without /q the native command asks before deleting a whole folder; there is nobody to
// ask inside a command line, so every del here deletes as with /q.
int runDel(const SimpleCommand& command, CommandOutput& output) {
  std::vector<std::string> arguments;
  for (const auto& word : command.words) {
    if (!word.starts_with("/")) arguments.push_back(word);
  }
  if (arguments.empty()) {
    writeErrorLine(output, kSyntaxError);
    return 1;
  }
  int status = 0;
  for (const auto& argument : arguments) {
    if (deleteMatching(argument, output) != 0) status = 1;
  }
  return status;
}

}  // namespace zemlar::cmd
