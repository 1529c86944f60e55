#pragma once
// Process services: shell commands, the invocation name, and the end of the program
// with the end actions other modules register.
#include <functional>
#include <string>
#include <string_view>

namespace zemlar {

// Runs a command line through the command interpreter; -1 for the empty line.
int runShell(std::string_view commandLine);

// The first word of the command line, exactly as the program was started: the first
// argument as the C runtime split the command line (quotes removed, with or without
// path and extension as the launcher wrote it). main hands the arguments over.
std::string invocationName();
void setInvocationArguments(int argc, char** argv);

// Runs every registered end action (latest first), then ends the process.
[[noreturn]] void endProgram(int exitCode);

// Registers an action for the end of the program (closing files, restoring the console).
void registerEndAction(std::function<void()> action);

// Runs the end actions without ending the process (the program's normal return).
void runEndActions();

}  // namespace zemlar
