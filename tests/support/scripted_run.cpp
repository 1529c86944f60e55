#include "support/scripted_run.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>

#include "support/temp_folder.hpp"

namespace zemlar::test {

namespace {

// A file descriptor closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  void reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

[[noreturn]] void execChild(const std::filesystem::path& executable, const std::string& argv0,
                            const std::filesystem::path& folder, int in, int out, int err) {
  ::signal(SIGPIPE, SIG_DFL);
  if (::chdir(folder.c_str()) != 0) ::_exit(126);
  ::dup2(in, STDIN_FILENO);
  ::dup2(out, STDOUT_FILENO);
  ::dup2(err, STDERR_FILENO);
  std::string name = argv0;
  char* const argv[] = {name.data(), nullptr};
  ::execv(executable.c_str(), argv);
  ::_exit(127);
}

// Feeds the input while the child runs; gives the wait status, or kills the child at
// the deadline.
int feedAndWait(pid_t child, Fd& pipeIn, std::string_view input, int timeoutSeconds, bool& timedOut) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  ::fcntl(pipeIn.get(), F_SETFL, O_NONBLOCK);
  for (;;) {
    while (pipeIn.get() >= 0 && !input.empty()) {
      const ssize_t n = ::write(pipeIn.get(), input.data(), input.size());
      if (n > 0) input.remove_prefix(static_cast<size_t>(n));
      else if (n < 0 && errno != EINTR) break;
    }
    if (input.empty() || (errno != EAGAIN && errno != EINTR)) pipeIn.reset();
    int status = 0;
    if (::waitpid(child, &status, WNOHANG) == child) return status;
    if (std::chrono::steady_clock::now() > deadline) {
      timedOut = true;
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return status;
    }
    pollfd writable{pipeIn.get(), POLLOUT, 0};
    ::poll(&writable, pipeIn.get() >= 0 ? 1 : 0, 10);
  }
}

}  // namespace

ScriptedRun runScripted(const std::filesystem::path& executable, const std::string& argv0,
                        const std::filesystem::path& folder, std::string_view input, int timeoutSeconds) {
  ::signal(SIGPIPE, SIG_IGN);  // a program that ends early must not end the test
  // Every descriptor is close-on-exec, so the child holds no write end of its own input.
  TempFolder capture;
  Fd out(::open((capture / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
  Fd err(::open((capture / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
  int pipeFds[2];
  if (out.get() < 0 || err.get() < 0 || ::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("cannot set up the run");
  Fd pipeOut(pipeFds[0]);
  Fd pipeIn(pipeFds[1]);

  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("cannot start the program");
  if (child == 0) execChild(executable, argv0, folder, pipeOut.get(), out.get(), err.get());
  pipeOut.reset();

  ScriptedRun run;
  const int status = feedAndWait(child, pipeIn, input, timeoutSeconds, run.timedOut);
  if (WIFEXITED(status) && !run.timedOut) run.exitCode = WEXITSTATUS(status);
  run.out = capture.read("out");
  run.err = capture.read("err");
  return run;
}

}  // namespace zemlar::test
