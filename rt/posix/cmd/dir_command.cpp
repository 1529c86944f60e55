// dir [pattern] [/b]: the listing of a folder in the native layout, or bare names.
#include <sys/stat.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

#include "rt/posix/cmd/commands.hpp"
#include "rt/posix/cmd/file_selection.hpp"
#include "rt/posix/cmd/wildcard.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace {

constexpr std::string_view kVolumeLine = " Volume in drive C has no label.";
constexpr std::string_view kSerialPrefix = " Volume Serial Number is ";
constexpr std::string_view kDirectoryOfPrefix = " Directory of ";
constexpr std::string_view kFileNotFound = "File Not Found";
constexpr std::string_view kPathNotFound = "The system cannot find the path specified.";
constexpr std::string_view kDirColumn = "    <DIR>          ";
constexpr std::string_view kFilesWord = " File(s) ";
constexpr std::string_view kBytesWord = " bytes";
constexpr std::string_view kDirsWord = " Dir(s) ";
constexpr std::string_view kBytesFreeWord = " bytes free";

namespace fs = std::filesystem;

// ---- formatting ----

// 1234567 as "1,234,567".
std::string grouped(std::uintmax_t n) {
  const std::string digits = std::to_string(n);
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

std::string rightAligned(const std::string& text, size_t width) {
  return text.size() >= width ? text : spaces(static_cast<int32_t>(width - text.size())) + text;
}

std::string listingTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[32];
  std::strftime(text, sizeof text, "%m/%d/%Y  %I:%M %p", &local);
  return text;
}

std::string entryLine(const FolderEntry& entry) {
  const std::string sizeColumn = entry.isDirectory ? std::string(kDirColumn) : rightAligned(grouped(entry.size), 18) + " ";
  return listingTime(entry.modified) + sizeColumn + entry.name;
}

std::string serialNumber(const std::string& folderPath) {
  struct stat info {};
  const unsigned long device = ::stat(folderPath.c_str(), &info) == 0 ? static_cast<unsigned long>(info.st_dev) : 0;
  char text[16];
  std::snprintf(text, sizeof text, "%04lX-%04lX", (device >> 16) & 0xFFFF, device & 0xFFFF);
  return text;
}

std::string shownFolder(const std::string& folderPath) {
  std::error_code ec;
  std::string shown = fs::absolute(folderPath, ec).lexically_normal().string();
  if (shown.size() > 1 && shown.back() == '/') shown.pop_back();
  return shown;
}

// ---- listing ----

struct DirOptions {
  bool bare = false;
  std::vector<std::string> arguments;
};

DirOptions readOptions(const std::vector<std::string>& words) {
  DirOptions options;
  for (const auto& word : words) {
    if (word.starts_with("/")) {
      if (lcase(word) == "/b") options.bare = true;
    } else {
      options.arguments.push_back(word);
    }
  }
  if (options.arguments.empty()) options.arguments.emplace_back();
  return options;
}

void writeHeading(const FileSelection& selection, CommandOutput& output) {
  writeOutputLine(output, kVolumeLine);
  writeOutputLine(output, std::string(kSerialPrefix) + serialNumber(selection.folderPath));
  writeOutputLine(output, "");
  writeOutputLine(output, std::string(kDirectoryOfPrefix) + shownFolder(selection.folderPath));
  writeOutputLine(output, "");
}

// "." and ".." lead a full listing of any folder but the root, when the pattern takes them.
std::vector<FolderEntry> dotEntries(const FileSelection& selection) {
  std::vector<FolderEntry> dots;
  if (shownFolder(selection.folderPath) == "/") return dots;
  for (const char* name : {".", ".."}) {
    if (!matchesWildcard(selection.pattern, name)) continue;
    if (auto entry = statEntry(selection.folderPath + "/" + name, name)) dots.push_back(std::move(*entry));
  }
  return dots;
}

void writeSummary(const std::vector<FolderEntry>& shown, const FileSelection& selection, CommandOutput& output) {
  std::uintmax_t files = 0, bytes = 0, folders = 0;
  for (const auto& entry : shown) {
    if (entry.isDirectory) {
      ++folders;
    } else {
      ++files;
      bytes += entry.size;
    }
  }
  std::error_code ec;
  const std::uintmax_t freeBytes = fs::space(selection.folderPath, ec).available;
  writeOutputLine(output, rightAligned(std::to_string(files), 16) + std::string(kFilesWord) +
                              rightAligned(grouped(bytes), 14) + std::string(kBytesWord));
  writeOutputLine(output, rightAligned(std::to_string(folders), 16) + std::string(kDirsWord) +
                              rightAligned(grouped(ec ? 0 : freeBytes), 15) + std::string(kBytesFreeWord));
}

int listOne(const std::string& argument, bool bare, CommandOutput& output) {
  const FileSelection selection = selectFiles(argument);
  const auto entries = selection.folderExists ? readFolder(selection.folderPath) : std::nullopt;
  if (!bare) writeHeading(selection, output);
  if (!entries) {
    writeErrorLine(output, kPathNotFound);
    return 1;
  }
  std::vector<FolderEntry> shown = bare ? std::vector<FolderEntry>{} : dotEntries(selection);
  for (auto& entry : matchingEntries(*entries, selection.pattern)) shown.push_back(std::move(entry));
  if (shown.empty()) {
    writeErrorLine(output, kFileNotFound);
    return 1;
  }
  for (const auto& entry : shown) writeOutputLine(output, bare ? entry.name : entryLine(entry));
  if (!bare) writeSummary(shown, selection, output);
  return 0;
}

}  // namespace

int runDir(const SimpleCommand& command, CommandOutput& output) {
  const DirOptions options = readOptions(command.words);
  int status = 0;
  for (const auto& argument : options.arguments) {
    if (listOne(argument, options.bare, output) != 0) status = 1;
  }
  return status;
}

}  // namespace zemlar::cmd
