#pragma once
// Runs the built convertcp.exe in a folder and collects what it reports.
#include <filesystem>
#include <set>
#include <string>

namespace zemlar::test {

struct ConvertcpRun {
  int exitCode = -1;
  std::string errors;  // standard error
};

// Runs `convertcp.exe arguments` through the shell with `folder` as the current folder;
// `shellPrefix` runs first in the same shell (for example a ulimit).
ConvertcpRun runConvertcp(const std::filesystem::path& folder, const std::string& arguments,
                          const std::string& shellPrefix = "");

// The names in a folder, to see that a failed run left nothing behind.
std::set<std::string> folderNames(const std::filesystem::path& folder);

}  // namespace zemlar::test
