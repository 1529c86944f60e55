// The console on POSIX, first form: exactly the printed bytes on standard output.
#include <unistd.h>

#include <cerrno>

#include "rt/platform.hpp"

namespace zemlar::platform {

bool outputIsConsole() { return false; }
int consoleWidth() { return 80; }
int consoleStartColumn() { return 0; }

void consoleWrite(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the rest of this write is dropped
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

void consoleFlushPendingAdvance() {}
bool consoleLocate(int, int, int) { return false; }
CellPosition consoleCursorPosition() { return {0, 0}; }
ConsoleSize consoleSize() { return {80, 25}; }
void consoleBeep() { consoleWrite("\a"); }
void restoreConsole() {}

}  // namespace zemlar::platform
