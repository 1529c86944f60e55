#pragma once
// Checks that the command interpreter, find, findstr, sort and convertcp.exe answer.
#include <string_view>

namespace zemlar::ToolChecks {

// Prints the header and runs the probes; returns when all pass. A failing probe prints
// its failure lines and ends the program through the acknowledge prompt.
void run();

// Lines of the file that hold more than spaces; 0 for a file that cannot be opened.
int countNonBlankLines(std::string_view fileName);

}  // namespace zemlar::ToolChecks
