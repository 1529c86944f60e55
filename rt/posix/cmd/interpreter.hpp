#pragma once
// The in-process interpreter of the cmd-style command lines the program runs.
#include <string_view>

#include "rt/posix/cmd/command_output.hpp"

namespace zemlar::cmd {

// Runs one command line in the current folder and returns its status: 0, 1 for a
// failed command, 9009 for a command that is neither built in nor a program here.
int runCommandLine(std::string_view line, CommandOutput& output);

}  // namespace zemlar::cmd
