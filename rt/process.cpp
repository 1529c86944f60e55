#include "rt/process.hpp"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "rt/platform.hpp"

namespace zemlar {

namespace {
std::string& invocation() {
  static std::string name;
  return name;
}

std::vector<std::function<void()>>& endActions() {
  static std::vector<std::function<void()>> actions;
  return actions;
}
}  // namespace

int runShell(std::string_view commandLine) {
  if (commandLine.empty()) return -1;
  return platform::runCommandLine(commandLine);
}

void setInvocationArguments(int argc, char** argv) { invocation() = argc > 0 && argv[0] ? argv[0] : ""; }

std::string invocationName() { return invocation(); }

void registerEndAction(std::function<void()> action) { endActions().push_back(std::move(action)); }

void runEndActions() {
  auto& actions = endActions();
  while (!actions.empty()) {
    auto action = std::move(actions.back());
    actions.pop_back();
    action();
  }
}

void endProgram(int exitCode) {
  runEndActions();
  platform::restoreConsole();
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

}  // namespace zemlar
