#pragma once
// Output of one command whose handles may be redirected to files; what is not
// redirected goes on to the enclosing output.
#include <array>
#include <fstream>
#include <optional>
#include <string_view>

#include "rt/posix/cmd/command_line.hpp"
#include "rt/posix/cmd/command_output.hpp"

namespace zemlar::cmd {

class RedirectedOutput final : public CommandOutput {
 public:
  explicit RedirectedOutput(CommandOutput& enclosing) : enclosing_(enclosing) {}

  // Creates, truncates or opens for appending the redirection's file. On failure the
  // message is already written to the enclosing error output and false returned.
  bool open(const Redirection& redirection);

  void writeOutput(std::string_view bytes) override;
  void writeError(std::string_view bytes) override;

 private:
  struct Target {
    std::optional<std::ofstream> file;
    bool discard = false;  // "nul"
  };
  bool writeTo(Target& target, std::string_view bytes);

  CommandOutput& enclosing_;
  std::array<Target, 2> targets_;  // standard output, error output
};

}  // namespace zemlar::cmd
