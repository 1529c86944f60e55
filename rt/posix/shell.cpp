// runShell on POSIX: every command line goes to the in-process command layer, whose
// output reaches the console through the console driver, in order with the program's
// own lines. Command output does not move the print column, as with the native
// interpreter, which writes to the console behind the program's back.
#include <unistd.h>

#include "rt/console.hpp"
#include "rt/platform.hpp"
#include "rt/posix/cmd/interpreter.hpp"

namespace zemlar::platform {

namespace {

// Error messages show on the console; when standard output is a file they go to
// standard error instead, as they would from the native interpreter.
class ConsoleCommandOutput final : public cmd::CommandOutput {
 public:
  void writeOutput(std::string_view bytes) override { Console::write(bytes); }
  void writeError(std::string_view bytes) override {
    if (outputIsConsole()) {
      Console::write(bytes);
      return;
    }
    while (!bytes.empty()) {
      const ssize_t written = ::write(STDERR_FILENO, bytes.data(), bytes.size());
      if (written <= 0) return;
      bytes.remove_prefix(static_cast<size_t>(written));
    }
  }
};

}  // namespace

int runCommandLine(std::string_view commandLine) {
  ConsoleCommandOutput console;
  return cmd::runCommandLine(commandLine, console);
}

}  // namespace zemlar::platform
