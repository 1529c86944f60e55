#pragma once
// Polling the keyboard: key texts for the prompts and the line editor.
#include <string>

#include "rt/key_queue.hpp"

namespace zemlar {

// "" when no key waits, one byte for a plain key, 255 and n for an extended key n.
std::string pollKey();
// Whether a key waits, without taking it.
bool keyWaiting();
// Sleeps until a key may be waiting or maxMs passed; callers poll again afterwards.
void waitForKey(int maxMs);

// The key text of a key code.
std::string keyText(KeyCode key);
// The key code of a key text (-1 for the empty text).
KeyCode keyCodeOf(const std::string& keyText);

// For the close request of the platform: queues a key from a signal or handler context.
KeyQueue& programKeyQueue();

}  // namespace zemlar
