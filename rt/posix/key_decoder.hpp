#pragma once
// Terminal input bytes to key codes. Pure: bytes and a monotonic time in milliseconds
// go in, keys come out; the caller owns the clock and the file descriptor.
//
// Escape sequences of xterm-like terminals map to the key codes the native console
// gives for the same keys. An ESC that no byte follows within kEscapeQuietMs is the
// Esc key; the decoder never waits for it, it tells the caller how long it may wait
// (msUntilDue) before calling tick. Typed UTF-8 characters arrive as their bytes in
// the console code page.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rt/key_queue.hpp"
#include "rt/platform.hpp"

namespace zemlar::posix {

class KeyDecoder {
 public:
  static constexpr int kEscapeQuietMs = 50;

  // Decodes bytes that arrived at nowMs; codePage is the console code page that
  // typed characters are converted to.
  void feed(std::string_view bytes, int64_t nowMs, int codePage, KeyQueue& queue);
  // Completes what has waited long enough without new bytes (a lone ESC).
  void tick(int64_t nowMs, int codePage, KeyQueue& queue) { feed({}, nowMs, codePage, queue); }
  // How long the caller may wait before tick is due; -1 when nothing waits.
  int msUntilDue(int64_t nowMs) const;

  // The next ESC[row;colR answers a cursor-position query instead of being Shift+F3
  // and the like. Set right after asking the terminal; cleared by the answer.
  void expectCursorReport(bool expected) { expectingReport_ = expected; }
  // The last cursor report (1-based row and column), once.
  std::optional<platform::CellPosition> takeCursorReport();

 private:
  void decodePending(int codePage, KeyQueue& queue);
  void flushTimedOut(KeyQueue& queue);
  std::size_t skipSequenceRest(std::size_t pos);

  std::string pending_;  // bytes of an incomplete sequence or character
  int64_t lastByteMs_ = 0;
  bool skippingSequence_ = false;  // within an overlong sequence, dropped as it comes
  bool expectingReport_ = false;
  std::optional<platform::CellPosition> report_;
};

}  // namespace zemlar::posix
