#include "app/prompts.hpp"

#include <initializer_list>
#include <string>
#include <string_view>

#include "rt/console.hpp"
#include "rt/keyboard.hpp"
#include "rt/process.hpp"

namespace zemlar {

namespace {

constexpr int kIdleWaitMs = 100;  // a wait between empty polls; a key ends it at once

// Prints the choice lines once, then waits for "1" (returns) or, when twoEnds, "2"
// (ends the program). The whole key text is compared, so extended keys never match.
void runPrompt(std::initializer_list<std::string_view> lines, bool twoEnds) {
  for (const std::string_view line : lines) Console::print(line, Sep::EndLine);
  for (;;) {
    const std::string key = pollKey();
    if (key == "1") return;
    if (twoEnds && key == "2") endProgram(0);
    if (key.empty()) waitForKey(kIdleWaitMs);
  }
}

}  // namespace

void AckEndPrompt() {
  runPrompt({"<1> = continue and end"}, false);
  endProgram(0);
}

void YesNoPrompt() { runPrompt({"<1> yes, continue", "<2> no, end"}, true); }

void ContinueEndPrompt() { runPrompt({"<1> continue", "<2> end"}, true); }

}  // namespace zemlar
