// copy [/y] source [destination]: copies files, overwriting without a question.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "rt/platform.hpp"
#include "rt/posix/cmd/commands.hpp"
#include "rt/posix/cmd/file_selection.hpp"
#include "rt/posix/cmd/wildcard.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kFilesCopied = " file(s) copied.";
constexpr std::string_view kFileNotFound = "The system cannot find the file specified.";
constexpr std::string_view kOntoItself = "The file cannot be copied onto itself.";
constexpr std::string_view kPathNotFound = "The system cannot find the path specified.";
constexpr std::string_view kAccessDenied = "Access is denied.";
constexpr std::string_view kSyntaxError = "The syntax of the command is incorrect.";

namespace fs = std::filesystem;

void reportCount(CommandOutput& output, int count) {
  const std::string number = std::to_string(count);
  writeOutputLine(output, spaces(static_cast<int32_t>(9 - number.size())) + number + std::string(kFilesCopied));
}

int fail(CommandOutput& output, std::string_view message) {
  writeErrorLine(output, message);
  reportCount(output, 0);
  return 1;
}

bool isDirectory(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

bool sameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

// The copy keeps the source's date, as the native copy does.
bool copyOne(const fs::path& source, const fs::path& destination) {
  std::error_code ec;
  fs::copy_file(source, destination, fs::copy_options::overwrite_existing, ec);
  if (ec) return false;
  const auto modified = fs::last_write_time(source, ec);
  if (!ec) fs::last_write_time(destination, modified, ec);
  return true;
}

// Several sources into one file: the native copy joins them.
bool concatenate(const std::vector<fs::path>& sources, const fs::path& destination) {
  std::ofstream out(destination, std::ios::binary | std::ios::trunc);
  for (const auto& source : sources) {
    std::ifstream in(source, std::ios::binary);
    if (!in) return false;
    std::copy(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), std::ostreambuf_iterator<char>(out));
  }
  return static_cast<bool>(out.flush());
}

struct CopyPlan {
  std::vector<fs::path> sources;
  std::vector<std::string> shownNames;  // listed when the source had a wildcard
  fs::path destination;
  bool intoFolder = false;
};

int carryOut(const CopyPlan& plan, CommandOutput& output) {
  const fs::path folder = plan.intoFolder ? plan.destination : plan.destination.parent_path();
  if (!folder.empty() && !isDirectory(folder)) return fail(output, kPathNotFound);
  for (const auto& source : plan.sources) {
    const fs::path target = plan.intoFolder ? plan.destination / source.filename() : plan.destination;
    if (sameFile(source, target)) return fail(output, kOntoItself);
  }
  for (const auto& name : plan.shownNames) writeOutputLine(output, name);
  if (!plan.intoFolder && plan.sources.size() > 1) {
    if (!concatenate(plan.sources, plan.destination)) return fail(output, kAccessDenied);
    reportCount(output, 1);
    return 0;
  }
  int copied = 0;
  for (const auto& source : plan.sources) {
    const fs::path target = plan.intoFolder ? plan.destination / source.filename() : plan.destination;
    if (!copyOne(source, target)) {
      writeErrorLine(output, kAccessDenied);
      reportCount(output, copied);
      return 1;
    }
    ++copied;
  }
  reportCount(output, copied);
  return 0;
}

}  // namespace

int runCopy(const SimpleCommand& command, CommandOutput& output) {
  std::vector<std::string> arguments;
  for (const auto& word : command.words) {
    if (!word.starts_with("/")) arguments.push_back(word);
  }
  if (arguments.empty() || arguments.size() > 2) {
    writeErrorLine(output, kSyntaxError);
    return 1;
  }
  const FileSelection selection = selectFiles(arguments[0]);
  const auto files = matchingFiles(selection);
  if (files.empty()) return fail(output, kFileNotFound);

  CopyPlan plan;
  const bool listed = hasWildcard(arguments[0]) || selection.pattern == "*";
  for (const auto& file : files) {
    plan.sources.push_back(fs::path(selection.folderPath) / file.name);
    if (listed) plan.shownNames.push_back(selection.folderAsWritten + file.name);
  }
  plan.destination = platform::nativePath(arguments.size() > 1 ? std::string_view(arguments[1]) : ".");
  plan.intoFolder = isDirectory(plan.destination);
  return carryOut(plan, output);
}

}  // namespace zemlar::cmd
