#include "rt/keyboard.hpp"

#include <cstdio>

#include "rt/platform.hpp"
#include "rt/process.hpp"

namespace zemlar {

namespace {

// Scripted input: each line of standard input answers one key prompt with its first
// byte; an empty line gives no key. The end of input ends the program.
std::string scriptedKey() {
  std::string line;
  if (!platform::readInputLine(line)) {
    std::fputs("input ended\n", stderr);
    endProgram(1);
  }
  return line.empty() ? std::string{} : line.substr(0, 1);
}

}  // namespace

KeyQueue& programKeyQueue() {
  static KeyQueue queue;
  return queue;
}

std::string keyText(KeyCode key) {
  if (key < 0) return {};
  if (key <= 255) return std::string(1, static_cast<char>(key));
  return std::string{static_cast<char>(255), static_cast<char>((key - 255) / 256)};
}

KeyCode keyCodeOf(const std::string& text) {
  if (text.empty()) return -1;
  const auto first = static_cast<unsigned char>(text[0]);
  if (text.size() >= 2 && first == 255) return static_cast<unsigned char>(text[1]) * 256 + 255;
  return first;
}

std::string pollKey() {
  if (!platform::inputIsConsole()) return scriptedKey();
  KeyQueue& queue = programKeyQueue();
  platform::drainKeyEvents(queue);
  return keyText(queue.pop());
}

bool keyWaiting() {
  if (!platform::inputIsConsole()) return true;  // the next line answers
  KeyQueue& queue = programKeyQueue();
  platform::drainKeyEvents(queue);
  return !queue.empty();
}

void waitForKey(int maxMs) {
  if (platform::inputIsConsole()) platform::waitForInput(maxMs);
}

}  // namespace zemlar
