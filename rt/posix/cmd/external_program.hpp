#pragma once
// Programs of the current folder, such as convertcp.exe, started as the native
// interpreter starts them.
#include <optional>
#include <string>
#include <string_view>

#include "rt/posix/cmd/command_line.hpp"
#include "rt/posix/cmd/command_output.hpp"

namespace zemlar::cmd {

// The path of the program file a command name stands for: the name, with ".exe" added
// when it has no extension, found in the current folder without regard to letter case.
// Only the current folder is searched: the search path of this system holds its own
// programs, not the ones the command lines mean.
std::optional<std::string> findProgram(std::string_view name);

// Runs it with the command's arguments split by the native C runtime rules and returns
// its exit status.
int runProgram(const std::string& path, const SimpleCommand& command, CommandOutput& output);

}  // namespace zemlar::cmd
