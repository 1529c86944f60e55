#pragma once
// The commands of the interpreter. Each takes the parsed command (its words, or its
// argument text for those that split it as a program does) and returns its status.
#include "rt/posix/cmd/command_line.hpp"
#include "rt/posix/cmd/command_output.hpp"

namespace zemlar::cmd {

int runDir(const SimpleCommand& command, CommandOutput& output);
int runDel(const SimpleCommand& command, CommandOutput& output);
int runCopy(const SimpleCommand& command, CommandOutput& output);
int runChcp(const SimpleCommand& command, CommandOutput& output);
int runFind(const SimpleCommand& command, CommandOutput& output);
int runFindstr(const SimpleCommand& command, CommandOutput& output);
int runSort(const SimpleCommand& command, CommandOutput& output);

}  // namespace zemlar::cmd
