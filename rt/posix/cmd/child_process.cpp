#include "rt/posix/cmd/child_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

extern char** environ;

namespace zemlar::cmd {

namespace {

// ---- handles ----

class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
      reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  ~UniqueFd() { reset(); }
  int get() const { return fd_; }
  void reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

struct Pipe {
  UniqueFd readEnd;
  UniqueFd writeEnd;
};

std::optional<Pipe> openPipe() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
  return Pipe{UniqueFd(fds[0]), UniqueFd(fds[1])};
}

class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

// Waits for the child when it goes out of scope, so no run leaves a zombie behind.
class ChildProcess {
 public:
  explicit ChildProcess(pid_t pid) : pid_(pid) {}
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() {
    if (pid_ > 0) wait();
  }
  int wait() {
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0) {
      if (errno != EINTR) return 1;
    }
    pid_ = -1;
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
  }

 private:
  pid_t pid_;
};

// ---- output ----

// Passes both streams on until the child has closed them.
void relayOutput(const UniqueFd& outRead, const UniqueFd& errRead, CommandOutput& output) {
  std::array<pollfd, 2> fds{{{outRead.get(), POLLIN, 0}, {errRead.get(), POLLIN, 0}}};
  int open = 2;
  std::array<char, 4096> buffer;
  while (open > 0) {
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    for (size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t got = ::read(fds[i].fd, buffer.data(), buffer.size());
      if (got > 0) {
        const std::string_view bytes(buffer.data(), static_cast<size_t>(got));
        i == 0 ? output.writeOutput(bytes) : output.writeError(bytes);
      } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

}  // namespace

std::optional<int> runChildProcess(const std::string& path, const std::vector<std::string>& arguments,
                                   CommandOutput& output) {
  auto outPipe = openPipe();
  auto errPipe = openPipe();
  if (!outPipe || !errPipe) return std::nullopt;

  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(actions.get(), outPipe->writeEnd.get(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(actions.get(), errPipe->writeEnd.get(), STDERR_FILENO);

  std::vector<char*> argv;
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  pid_t pid = 0;
  if (posix_spawn(&pid, path.c_str(), actions.get(), nullptr, argv.data(), environ) != 0) return std::nullopt;
  ChildProcess child(pid);
  outPipe->writeEnd.reset();
  errPipe->writeEnd.reset();
  relayOutput(outPipe->readEnd, errPipe->readEnd, output);
  return child.wait();
}

}  // namespace zemlar::cmd
