#pragma once
#include "app/run_state.hpp"

namespace zemlar::ProgramDriver {

// The program: start-up, then every stage once, in order. The last stage ends the
// program, so run never returns.
[[noreturn]] void run();

// Step 1: the code page report, then the build name and the invocation name, twice.
void startup(RunState& state);

}  // namespace zemlar::ProgramDriver
