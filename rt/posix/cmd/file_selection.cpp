#include "rt/posix/cmd/file_selection.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "rt/platform.hpp"
#include "rt/posix/cmd/wildcard.hpp"
#include "rt/text.hpp"

namespace zemlar::cmd {

namespace fs = std::filesystem;

namespace {

bool isDirectory(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// The disk path of a folder part as written ("" is the current folder, "\" the root).
std::string folderPathOf(std::string_view folderAsWritten) {
  if (folderAsWritten.empty()) return ".";
  std::string_view folder = folderAsWritten;
  if (folder.size() > 1) folder.remove_suffix(1);
  return platform::nativePath(folder);
}

}  // namespace

FolderAndName splitFolderAndName(std::string_view argument) {
  const size_t separator = argument.find_last_of("\\/");
  if (separator == std::string_view::npos) return {"", std::string(argument)};
  return {std::string(argument.substr(0, separator + 1)), std::string(argument.substr(separator + 1))};
}

FileSelection selectFiles(std::string_view argument) {
  const FolderAndName parts = splitFolderAndName(argument);
  FileSelection selection{parts.folder, folderPathOf(parts.folder), parts.name.empty() ? "*" : parts.name};
  if (!parts.name.empty() && !hasWildcard(parts.name) && parts.name != "." && parts.name != "..") {
    const std::string named = platform::nativePath(argument);
    if (isDirectory(named)) {
      selection = {std::string(argument) + "\\", named, "*"};
    }
  } else if (parts.name == "." || parts.name == "..") {
    selection = {std::string(argument) + "\\", platform::nativePath(argument), "*"};
  }
  selection.folderExists = isDirectory(selection.folderPath);
  return selection;
}

std::optional<FolderEntry> statEntry(const std::string& path, std::string name) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  FolderEntry entry;
  entry.name = std::move(name);
  entry.isDirectory = S_ISDIR(info.st_mode);
  entry.size = entry.isDirectory ? 0 : static_cast<std::uintmax_t>(info.st_size);
  entry.modified = info.st_mtime;
  return entry;
}

std::optional<std::vector<FolderEntry>> readFolder(const std::string& folderPath) {
  std::error_code ec;
  fs::directory_iterator it(folderPath, ec);
  if (ec) return std::nullopt;
  std::vector<FolderEntry> entries;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    // A dangling link shows no size or date, so it is left out as the native listing would.
    if (auto entry = statEntry(it->path().string(), it->path().filename().string())) {
      entries.push_back(std::move(*entry));
    }
  }
  return entries;
}

bool lessIgnoringCase(std::string_view a, std::string_view b) {
  const int folded = compareText(lcase(a), lcase(b));
  return folded != 0 ? folded < 0 : compareText(a, b) < 0;
}

std::vector<FolderEntry> matchingEntries(const std::vector<FolderEntry>& entries, std::string_view pattern) {
  std::vector<FolderEntry> matches;
  std::copy_if(entries.begin(), entries.end(), std::back_inserter(matches),
               [&](const FolderEntry& entry) { return matchesWildcard(pattern, entry.name); });
  std::sort(matches.begin(), matches.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return lessIgnoringCase(a.name, b.name); });
  return matches;
}

std::vector<FolderEntry> matchingFiles(const FileSelection& selection) {
  const auto entries = readFolder(selection.folderPath);
  if (!entries) return {};
  auto matches = matchingEntries(*entries, selection.pattern);
  std::erase_if(matches, [](const FolderEntry& entry) { return entry.isDirectory; });
  return matches;
}

std::optional<std::vector<std::string>> readTextLines(std::string_view fileName) {
  const std::string path = platform::nativePath(fileName);
  if (isDirectory(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string upperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
  }
  return upper;
}

}  // namespace zemlar::cmd
