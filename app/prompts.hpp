#pragma once
// The single-key decisions of a run. The caller prints the message first; a prompt
// prints only its choice lines, once, and waits for a fitting key (not echoed).
namespace zemlar {

// "<1> = continue and end": key 1 ends the program with exit code 0.
[[noreturn]] void AckEndPrompt();
// "<1> yes, continue" / "<2> no, end": returns on 1, ends the program on 2.
void YesNoPrompt();
// "<1> continue" / "<2> end": returns on 1, ends the program on 2.
void ContinueEndPrompt();

}  // namespace zemlar
