// runShell on Windows: the command line goes to the system command interpreter, which
// shares the program's console (or its redirected standard output).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "rt/platform.hpp"

namespace zemlar::platform {

int runCommandLine(std::string_view commandLine) {
  std::fflush(nullptr);
  return std::system(std::string(commandLine).c_str());
}

}  // namespace zemlar::platform
