// Keys on POSIX: the terminal's bytes through the key decoder, or, when standard
// input is not a terminal, scripted input line by line.
//
// A hang-up of the terminal queues the close key (extended 107), as a close request
// does on the native console, and stops reading the terminal. The program ends with
// exit code 0 at the first drain that finds the queue empty again: by then every key
// typed before the hang-up and the close key itself have been handed to the program.
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <string>

#include "rt/key_queue.hpp"
#include "rt/platform.hpp"
#include "rt/posix/console_codepage.hpp"
#include "rt/posix/key_decoder.hpp"
#include "rt/posix/terminal.hpp"
#include "rt/process.hpp"
#include "rt/script_lines.hpp"

namespace zemlar::platform {

namespace {

constexpr KeyCode kCloseKey = keys::kClose;
constexpr int kMaxReadsPerDrain = 16;  // a flood of input still lets pollKey return
constexpr std::size_t kReadChunk = 4096;

// Reads what the terminal holds without waiting. False when the terminal is gone
// (end of input, a read error, or poll reporting a hang-up without data).
bool readAvailable(std::string& bytes) {
  std::array<char, kReadChunk> chunk;
  for (int round = 0; round < kMaxReadsPerDrain; ++round) {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const int ready = ::poll(&input, 1, 0);
    if (ready <= 0) return true;  // nothing waits, or a signal came: look again next time
    if (!(input.revents & POLLIN)) return false;
    const ssize_t n = ::read(STDIN_FILENO, chunk.data(), chunk.size());
    if (n > 0) {
      bytes.append(chunk.data(), static_cast<std::size_t>(n));
    } else if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
      return true;
    } else {
      return false;
    }
  }
  return true;
}

// The keyboard of a terminal: decoder state and the close after a hang-up.
class TerminalKeys {
 public:
  void drain(KeyQueue& queue) {
    if (closing_) {
      if (queue.empty()) endProgram(0);
      return;
    }
    std::string bytes = takeEarlyInputOnce();
    const bool open = readAvailable(bytes);
    decoder_.feed(bytes, nowMs(), posix::consoleCodePage(), queue);
    if (posix::takeHangup() || !open) {
      queue.push(kCloseKey);
      closing_ = true;
    }
  }

  void wait(int timeoutMs) {
    if (closing_ || !earlyInputTaken_) return;  // the next drain has work at once
    const int due = decoder_.msUntilDue(nowMs());
    const int timeout = std::max(0, due >= 0 ? std::min(timeoutMs, due) : timeoutMs);
    pollfd input{STDIN_FILENO, POLLIN, 0};
    ::poll(&input, 1, timeout);
  }

 private:
  std::string takeEarlyInputOnce() {
    if (earlyInputTaken_) return {};
    earlyInputTaken_ = true;
    return posix::takeEarlyInput();
  }

  int64_t nowMs() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
  }

  posix::KeyDecoder decoder_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  bool earlyInputTaken_ = false;
  bool closing_ = false;
};

TerminalKeys& terminalKeys() {
  static TerminalKeys keys;
  return keys;
}

// Scripted input: standard input read as it comes; 0 at its end or on an error.
std::size_t readStandardInput(char* into, std::size_t room) {
  for (;;) {
    const ssize_t n = ::read(STDIN_FILENO, into, room);
    if (n > 0) return static_cast<std::size_t>(n);
    if (n < 0 && errno == EINTR) continue;
    return 0;
  }
}

ScriptLines& scriptInput() {
  static ScriptLines input(readStandardInput);
  return input;
}

}  // namespace

bool inputIsConsole() {
  static const bool console = ::isatty(STDIN_FILENO) && posix::terminal().inputIsTerminal;
  return console;
}

void drainKeyEvents(KeyQueue& queue) { terminalKeys().drain(queue); }

void waitForInput(int timeoutMs) { terminalKeys().wait(timeoutMs); }

bool readInputLine(std::string& line) { return scriptInput().nextLine(line); }

}  // namespace zemlar::platform
