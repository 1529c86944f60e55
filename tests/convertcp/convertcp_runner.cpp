#include "convertcp_runner.hpp"

#include <cstdlib>

#include "support/temp_folder.hpp"

namespace zemlar::test {

namespace fs = std::filesystem;

namespace {

std::string shellQuoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

ConvertcpRun runConvertcp(const fs::path& folder, const std::string& arguments, const std::string& shellPrefix) {
  // The reports go to a folder of their own so the test folder holds only what
  // convertcp made.
  const TempFolder logs;
  const std::string command = "cd " + shellQuoted(folder.string()) + " && " + shellPrefix + " " +
                              shellQuoted(ZEMLAR_CONVERTCP) + " " + arguments + " 2> " +
                              shellQuoted((logs / "errors").string()) + "; echo $? > " +
                              shellQuoted((logs / "exit").string());
  std::system(command.c_str());
  ConvertcpRun run;
  run.errors = logs.read("errors");
  const std::string exit = logs.read("exit");
  if (!exit.empty()) run.exitCode = std::atoi(exit.c_str());
  return run;
}

std::set<std::string> folderNames(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

}  // namespace zemlar::test
