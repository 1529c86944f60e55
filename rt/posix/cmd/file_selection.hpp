#pragma once
// Turning a command's file argument ("txt_in\*.txt", "htm_out", "check_01.txt") into
// the folder and pattern it means, and reading folders and text files for the commands.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zemlar::cmd {

// The argument split at its last '\' (or '/'): the folder part as written, separator
// included ("txt_in\"), and the name or pattern after it ("*.txt"). Pure.
struct FolderAndName {
  std::string folder;
  std::string name;
  friend bool operator==(const FolderAndName&, const FolderAndName&) = default;
};
FolderAndName splitFolderAndName(std::string_view argument);

struct FileSelection {
  std::string folderAsWritten;  // "" or ending with '\': put before a found name
  std::string folderPath;       // the folder on disk ("." for the current one)
  std::string pattern;          // "*" when the argument names a folder
  bool folderExists = false;
};
// A folder named without a pattern means every name in it, as the native commands take it.
FileSelection selectFiles(std::string_view argument);

struct FolderEntry {
  std::string name;
  bool isDirectory = false;
  std::uintmax_t size = 0;
  std::time_t modified = 0;
};
// The entries of a folder (without "." and ".."); nullopt when it cannot be read.
std::optional<std::vector<FolderEntry>> readFolder(const std::string& folderPath);
std::optional<FolderEntry> statEntry(const std::string& path, std::string name);
// The entries that match pattern, sorted by name without regard to letter case.
std::vector<FolderEntry> matchingEntries(const std::vector<FolderEntry>& entries, std::string_view pattern);
// Files (not folders) of the selection, sorted as above.
std::vector<FolderEntry> matchingFiles(const FileSelection& selection);

// The lines of a text file without their LF or CR LF ends; nullopt when it cannot be read.
std::optional<std::vector<std::string>> readTextLines(std::string_view fileName);

// Orders texts with A-Z folded to a-z, then by bytes.
bool lessIgnoringCase(std::string_view a, std::string_view b);

std::string upperCase(std::string_view text);  // a-z to A-Z only

}  // namespace zemlar::cmd
