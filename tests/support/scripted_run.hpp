#pragma once
// Runs a program as a user with a script would: started under a chosen name in a folder,
// standard input a pipe of answers, standard output and error collected from files.
#include <filesystem>
#include <string>
#include <string_view>

namespace zemlar::test {

struct ScriptedRun {
  std::string out;
  std::string err;
  int exitCode = -1;     // -1 when the program did not end by itself
  bool timedOut = false;  // killed after the time limit
};

// argv0 is the name the program sees as its invocation name; nothing else is on its
// command line. A program still running after timeoutSeconds is killed.
ScriptedRun runScripted(const std::filesystem::path& executable, const std::string& argv0,
                        const std::filesystem::path& folder, std::string_view input,
                        int timeoutSeconds = 60);

}  // namespace zemlar::test
