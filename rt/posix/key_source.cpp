// Keys on POSIX, first form: scripted input from standard input only.
#include <unistd.h>

#include <cstdio>

#include "rt/key_queue.hpp"
#include "rt/platform.hpp"

namespace zemlar::platform {

bool inputIsConsole() { return false; }
void drainKeyEvents(KeyQueue&) {}
void waitForInput(int) {}

bool readInputLine(std::string& line) {
  line.clear();
  char c = 0;
  bool any = false;
  while (::read(STDIN_FILENO, &c, 1) == 1) {
    any = true;
    if (c == '\n') break;
    line.push_back(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return any;
}

}  // namespace zemlar::platform
