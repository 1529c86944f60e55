// runShell on POSIX. The in-process command layer is not wired yet: every command line
// reports that nothing ran.
#include "rt/platform.hpp"

namespace zemlar::platform {

int runCommandLine(std::string_view) { return -1; }

}  // namespace zemlar::platform
