#pragma once
// The keys of terminal escape sequences and of Alt+character, as the native console
// would report them: scan code, enhanced flag, character and control-key state. The
// key translation then gives the same key codes on both platforms.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "rt/key_queue.hpp"
#include "rt/platform.hpp"

namespace zemlar::posix {

inline constexpr char kEsc = '\x1b';

// A key press in the native console's terms.
struct ConsoleKeyPress {
  uint16_t scanCode = 0;
  bool enhanced = false;
  uint8_t character = 0;
  uint16_t unshifted = 0;
  uint32_t controlState = 0;  // keystate bits
};

// The key code the native console gives for the press, if any.
std::optional<KeyCode> nativeKeyCode(const ConsoleKeyPress& press);

// The result of reading one escape sequence from the front of some bytes.
struct SequenceMatch {
  // Overlong: an unknown sequence longer than any key's; its remaining parameter
  // bytes and its final byte are still to come and must be skipped too.
  enum class Status { Incomplete, Key, CursorReport, Unknown, Overlong };
  Status status = Status::Unknown;
  std::size_t length = 0;  // bytes the sequence takes (Key, CursorReport, Unknown)
  ConsoleKeyPress press;   // Status::Key
  platform::CellPosition cursor;  // Status::CursorReport
};

// Reads the sequence at the front of bytes, which start with ESC followed by '[' or
// 'O'. A cursor report is recognised only when one is expected. A byte that cannot
// belong to a sequence ends an unknown one before it.
SequenceMatch matchSequence(std::string_view bytes, bool cursorReportExpected);

// Whether byte continues a sequence (parameter or intermediate byte), or ends one.
bool isSequenceBody(uint8_t byte);
bool isSequenceFinal(uint8_t byte);

// Whether bytes (starting with ESC) may begin a sequence matchSequence reads.
bool startsSequence(std::string_view bytes);

// The key for an ESC followed by byte: Alt with that key, when the byte is a key of
// the main block (ASCII printable, Enter, Tab, Backspace, Esc).
std::optional<ConsoleKeyPress> altPressOf(uint8_t byte);

}  // namespace zemlar::posix
