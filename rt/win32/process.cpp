// Process services on Windows: the invocation name and the end of the process.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "rt/platform.hpp"

namespace zemlar::platform {

namespace {
std::string& invocation() {
  static std::string name;
  return name;
}
}  // namespace

// The C runtime split the command line: argv[0] is the first word, quotes removed,
// with or without path and extension exactly as the launcher wrote it.
void setInvocationArguments(int argc, char** argv) { invocation() = argc > 0 && argv[0] ? argv[0] : ""; }

std::string invocationName() { return invocation(); }

void exitProcess(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace zemlar::platform
