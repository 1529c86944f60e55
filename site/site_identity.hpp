#pragma once
// The user's site, learnt from the name the program was started under.
#include <optional>
#include <string_view>

#include "app/run_state.hpp"
#include "site/site_link.hpp"

namespace zemlar::SiteIdentity {

// The site link and site program name of an invocation name, or none when the name
// fits no naming rule or names no site after its pattern. Prints nothing.
std::optional<SiteLink> derive(std::string_view invocationName);

// Prints the derived link and name and stores them in the state; a name without a
// site ends the program after the renaming instructions.
void run(RunState& state);

// How to name the program file; ends the program when the user presses "1".
[[noreturn]] void showRenamingInstructions();

}  // namespace zemlar::SiteIdentity
