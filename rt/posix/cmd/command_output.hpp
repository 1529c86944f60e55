#pragma once
// Where a command's output goes: standard output (the console, or a file when the
// command line redirects it) and error output (always the console unless "2>").
#include <string>
#include <string_view>

namespace zemlar::cmd {

class CommandOutput {
 public:
  virtual ~CommandOutput() = default;
  virtual void writeOutput(std::string_view bytes) = 0;
  virtual void writeError(std::string_view bytes) = 0;
};

// Every line the commands write ends with CR LF, the native line end.
inline constexpr std::string_view kLineEnd = "\r\n";

inline void writeOutputLine(CommandOutput& output, std::string_view line) {
  output.writeOutput(std::string(line) + std::string(kLineEnd));
}

inline void writeErrorLine(CommandOutput& output, std::string_view line) {
  output.writeError(std::string(line) + std::string(kLineEnd));
}

}  // namespace zemlar::cmd
