#pragma once
// The ring of typed keys: 512 slots, one always empty, the oldest key dropped when full.
#include <array>
#include <cstdint>

namespace zemlar {

// A key code: 0-255 a plain key (the byte it produced), n * 256 + 255 an extended key n.
using KeyCode = int32_t;

constexpr KeyCode extendedKey(int n) { return n * 256 + 255; }

// The keys the runtime itself acts on, by name.
namespace keys {
constexpr KeyCode kBackspace = 8;
constexpr KeyCode kTab = 9;
constexpr KeyCode kLineFeed = 10;
constexpr KeyCode kEnter = 13;
constexpr KeyCode kEsc = 27;
constexpr KeyCode kHome = extendedKey(71);
constexpr KeyCode kUp = extendedKey(72);
constexpr KeyCode kLeft = extendedKey(75);
constexpr KeyCode kRight = extendedKey(77);
constexpr KeyCode kEnd = extendedKey(79);
constexpr KeyCode kDown = extendedKey(80);
constexpr KeyCode kDelete = extendedKey(83);
// Alt+F4, and what a close, log-off or shut-down request queues.
constexpr KeyCode kClose = extendedKey(107);
}  // namespace keys

class KeyQueue {
 public:
  static constexpr int kSlots = 512;

  void push(KeyCode key) {
    codes_[write_] = key;
    write_ = (write_ + 1) % kSlots;
    if (write_ == read_) read_ = (read_ + 1) % kSlots;  // full: drop the oldest
  }
  bool empty() const { return read_ == write_; }
  // The oldest key, or -1 when none waits.
  KeyCode pop() {
    if (empty()) return -1;
    const KeyCode key = codes_[read_];
    read_ = (read_ + 1) % kSlots;
    return key;
  }
  int size() const { return (write_ - read_ + kSlots) % kSlots; }

 private:
  std::array<KeyCode, kSlots> codes_{};
  int read_ = 0;
  int write_ = 0;
};

}  // namespace zemlar
