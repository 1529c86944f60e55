#include "rt/process.hpp"

#include <vector>

#include "rt/platform.hpp"

namespace zemlar {

namespace {
std::vector<std::function<void()>>& endActions() {
  static std::vector<std::function<void()>> actions;
  return actions;
}
}  // namespace

int runShell(std::string_view commandLine) {
  if (commandLine.empty()) return -1;
  return platform::runCommandLine(commandLine);
}

std::string invocationName() { return platform::invocationName(); }

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
  platform::exitProcess(exitCode);
}

}  // namespace zemlar
