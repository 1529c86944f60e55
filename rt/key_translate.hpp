#pragma once
// From console key events to key codes: the translation of one key event, and the
// draining rules that turn a stream of events into queued keys (Alt composition on
// the numeric keypad included). Portable: a backend fills KeyEvent from its events.
#include <cstdint>
#include <optional>

#include "rt/key_queue.hpp"

namespace zemlar {

// Bits of KeyEvent::controlState; the values are those of the native console's
// control-key state, so its backend can copy the word unchanged.
namespace keystate {
constexpr uint32_t kRightAlt = 0x0001;
constexpr uint32_t kLeftAlt = 0x0002;
constexpr uint32_t kRightCtrl = 0x0004;
constexpr uint32_t kLeftCtrl = 0x0008;
constexpr uint32_t kShift = 0x0010;
constexpr uint32_t kNumLock = 0x0020;
constexpr uint32_t kScrollLock = 0x0040;
constexpr uint32_t kCapsLock = 0x0080;
constexpr uint32_t kEnhanced = 0x0100;

constexpr uint32_t kAnyAlt = kLeftAlt | kRightAlt;
constexpr uint32_t kAnyCtrl = kLeftCtrl | kRightCtrl;
}  // namespace keystate

// One console key event with the fields of the native console's key record.
struct KeyEvent {
  uint8_t character = 0;      // the byte the key produced, 0 when none
  bool keyDown = false;
  uint16_t repeatCount = 0;
  uint16_t virtualKey = 0;
  uint16_t scanCode = 0;
  uint32_t controlState = 0;  // keystate bits
  // The key's unshifted character as the platform's virtual-key-to-character map
  // gives it (low 16 bits; 0 when the key has none). Letters map to capitals.
  uint16_t unshifted = 0;
};

// Whether an Alt key is held and neither Ctrl nor Shift is.
bool altAloneHeld(uint32_t controlState);

// The key code of one key event, or nothing for keys that yield none (modifiers
// alone, lock keys). Key-down and repeat count are not looked at here.
std::optional<KeyCode> translateKey(const KeyEvent& event);

// Turns console key events into queued keys. Holds the Alt composition value, which
// lives as long as the keyboard does.
class KeyEventDrain {
 public:
  // Handles one key event; other console events are simply not passed in.
  void take(const KeyEvent& event, KeyQueue& queue);

 private:
  void releaseComposition(KeyQueue& queue);

  uint32_t composition_ = 0;
};

}  // namespace zemlar
