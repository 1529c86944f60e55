#pragma once
// Starting a program file as a child process, without a shell, and passing its standard
// output and error output on as they arrive.
#include <optional>
#include <string>
#include <vector>

#include "rt/posix/cmd/command_output.hpp"

namespace zemlar::cmd {

// arguments[0] is the name the program sees as its own. Returns the exit status (128 +
// the signal when a signal ended it), or nullopt when the program could not be started.
// The child reads nothing: its standard input is the null device, so it cannot take
// the answers meant for the program.
std::optional<int> runChildProcess(const std::string& path, const std::vector<std::string>& arguments,
                                   CommandOutput& output);

}  // namespace zemlar::cmd
