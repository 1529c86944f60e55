#pragma once
// The code page menu: list, browse and select one entry of the code page table, then
// switch the console to it.
#include "app/run_state.hpp"

namespace zemlar::CodePageMenu {

// Runs the menu until a code page is selected, stores its name and number and runs
// "chcp"; key "4" ends the program instead.
void run(RunState& state);

// The entry line of entry 1 to 10: number, name at column 7, description at column 28.
void printEntry(int entryNumber);

}  // namespace zemlar::CodePageMenu
