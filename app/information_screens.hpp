#pragma once
// The three screens shown before the tool checks: purpose and terms, console font,
// installation. Each ends in a prompt through which the user goes on or ends.
#include "app/run_state.hpp"

namespace zemlar::InformationScreens {

// Returns when the terms are accepted ("1"); "2" ends the program.
void showTerms(RunState& state);
// Return on "1"; "2" ends the program.
void showFont();
void showInstallation();

}  // namespace zemlar::InformationScreens
