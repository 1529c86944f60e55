#include "rt/key_translate.hpp"

#include <array>

namespace zemlar {

namespace {

// Table entries: 0 for none, a value up to 255 for a plain byte, ext(n) for the
// extended key n.
constexpr int ext(int n) { return n * 256; }
constexpr int kPlainLimit = 255;

enum class Modifier { None, Shift, Ctrl, Alt };

struct KeyRow {
  uint16_t scanCode;
  int none, shift, ctrl, alt;

  constexpr int entry(Modifier m) const {
    switch (m) {
      case Modifier::Shift: return shift;
      case Modifier::Ctrl: return ctrl;
      case Modifier::Alt: return alt;
      case Modifier::None: break;
    }
    return none;
  }
};

// Where the main keys give extended keys; every scan code and modifier not listed is plain.
constexpr KeyRow kScanCodeRows[] = {
    {1, 0, 0, 0, ext(1)},  // Esc
    // Digit row 1 to 9, 0, then minus and equals.
    {2, 0, 0, ext(3), ext(120)}, {3, 0, 0, 0, ext(121)}, {4, 0, 0, 0, ext(122)},
    {5, 0, 0, 0, ext(123)}, {6, 0, 0, 0, ext(124)}, {7, 0, 0, 0, ext(125)},
    {8, 0, 0, 0, ext(130)}, {9, 0, 0, 0, ext(131)}, {10, 0, 0, 0, ext(128)},
    {11, 0, 0, 0, ext(129)}, {12, 0, 0, 0, ext(130)}, {13, 0, 0, 0, ext(131)},
    {14, 0, 0, 0, ext(224)},                   // Backspace
    {15, 0, ext(15), ext(148), ext(15)},       // Tab
    // Letters Q to P, brackets, Enter.
    {16, 0, 0, 0, ext(16)}, {17, 0, 0, 0, ext(17)}, {18, 0, 0, 0, ext(18)},
    {19, 0, 0, 0, ext(19)}, {20, 0, 0, 0, ext(20)}, {21, 0, 0, 0, ext(21)},
    {22, 0, 0, 0, ext(22)}, {23, 0, 0, 0, ext(23)}, {24, 0, 0, 0, ext(24)},
    {25, 0, 0, 0, ext(25)}, {26, 0, 0, 0, ext(26)}, {27, 0, 0, 0, ext(27)},
    {28, 0, 0, 0, ext(28)},
    // Letters A to L, semicolon, apostrophe, back quote.
    {30, 0, 0, 0, ext(30)}, {31, 0, 0, 0, ext(31)}, {32, 0, 0, 0, ext(32)},
    {33, 0, 0, 0, ext(33)}, {34, 0, 0, 0, ext(34)}, {35, 0, 0, 0, ext(35)},
    {36, 0, 0, 0, ext(36)}, {37, 0, 0, 0, ext(37)}, {38, 0, 0, 0, ext(38)},
    {39, 0, 0, 0, ext(39)}, {40, 0, 0, 0, ext(40)}, {41, 0, 0, 0, ext(41)},
    // Letters Z to M, comma, full stop, slash.
    {44, 0, 0, 0, ext(44)}, {45, 0, 0, 0, ext(45)}, {46, 0, 0, 0, ext(46)},
    {47, 0, 0, 0, ext(47)}, {48, 0, 0, 0, ext(48)}, {49, 0, 0, 0, ext(49)},
    {50, 0, 0, 0, ext(50)}, {51, 0, 0, 0, ext(51)}, {52, 0, 0, 0, ext(52)},
    {53, 0, 0, 0, ext(53)},
    // F1 to F10.
    {59, ext(59), ext(84), ext(94), ext(104)}, {60, ext(60), ext(85), ext(95), ext(105)},
    {61, ext(61), ext(86), ext(96), ext(106)}, {62, ext(62), ext(87), ext(97), ext(107)},
    {63, ext(63), ext(88), ext(98), ext(108)}, {64, ext(64), ext(89), ext(99), ext(109)},
    {65, ext(65), ext(90), ext(100), ext(110)}, {66, ext(66), ext(91), ext(101), ext(111)},
    {67, ext(67), ext(92), ext(102), ext(112)}, {68, ext(68), ext(93), ext(103), ext(113)},
    // Keypad 7, 8, 9, 4, 5, 6, 1, 2, 3, 0, point (plain with Shift).
    {71, ext(71), 0, ext(119), 0}, {72, ext(72), 0, ext(141), 0},
    {73, ext(73), 0, ext(132), 0}, {75, ext(75), 0, ext(115), 0},
    {76, ext(76), 0, ext(143), ext(76)}, {77, ext(77), 0, ext(116), 0},
    {79, ext(79), 0, ext(117), 0}, {80, ext(80), 0, ext(145), 0},
    {81, ext(81), 0, ext(118), 0}, {82, ext(82), 0, ext(146), 0},
    {83, ext(83), 0, ext(147), 0},
    // F11, F12.
    {87, ext(133), ext(135), ext(137), ext(139)}, {88, ext(134), ext(136), ext(138), ext(140)},
};

// The separate cursor block, keypad Enter and keypad slash.
constexpr KeyRow kEnhancedRows[] = {
    {28, 13, 13, 10, ext(166)},             // keypad Enter
    {53, 47, 63, ext(149), ext(164)},       // keypad slash
    {71, ext(71), ext(71), ext(119), ext(151)},  // Home
    {72, ext(72), ext(72), ext(141), ext(152)},  // Up
    {73, ext(73), ext(73), ext(132), ext(153)},  // Page Up
    {75, ext(75), ext(75), ext(115), ext(155)},  // Left
    {77, ext(77), ext(77), ext(116), ext(157)},  // Right
    {79, ext(79), ext(79), ext(117), ext(159)},  // End
    {80, ext(80), ext(80), ext(145), ext(160)},  // Down
    {81, ext(81), ext(81), ext(118), ext(161)},  // Page Down
    {82, ext(82), ext(82), ext(146), ext(162)},  // Insert
    {83, ext(83), ext(83), ext(147), ext(163)},  // Delete
};

constexpr uint16_t kLastTableScanCode = 88;
constexpr uint16_t kKeypadDigitFirst = 96;  // virtual keys of keypad 0 to 9
constexpr uint16_t kKeypadDigitLast = 105;

template <std::size_t N>
const KeyRow* findRow(const KeyRow (&rows)[N], uint16_t scanCode) {
  for (const KeyRow& row : rows) {
    if (row.scanCode == scanCode) return &row;
  }
  return nullptr;
}

// The modifier that counts: the first held of Alt, Ctrl, Shift.
Modifier countingModifier(uint32_t state) {
  if (state & keystate::kAnyAlt) return Modifier::Alt;
  if (state & keystate::kAnyCtrl) return Modifier::Ctrl;
  if (state & keystate::kShift) return Modifier::Shift;
  return Modifier::None;
}

KeyCode entryKey(int entry) {
  return entry <= kPlainLimit ? entry : extendedKey(entry / 256);
}

std::optional<KeyCode> plainOrNothing(uint8_t character) {
  if (character == 0) return std::nullopt;
  return character;
}

uint16_t caseSwapped(uint16_t c) {
  if (c >= 'A' && c <= 'Z') return c + ('a' - 'A');
  if (c >= 'a' && c <= 'z') return c - ('a' - 'A');
  return c;
}

std::optional<KeyCode> translateEnhanced(const KeyEvent& event, Modifier modifier) {
  const KeyRow* row = findRow(kEnhancedRows, event.scanCode);
  if (row == nullptr) return std::nullopt;
  const int entry = row->entry(modifier);
  if (entry == 0) return std::nullopt;
  return entryKey(entry);
}

std::optional<KeyCode> translateMain(const KeyEvent& event, Modifier modifier) {
  const KeyRow* row = findRow(kScanCodeRows, event.scanCode);
  const int tableEntry = row == nullptr ? 0 : row->entry(modifier);
  const int candidate =
      (modifier == Modifier::None && event.character != 0) ? event.unshifted : tableEntry;
  const bool sameKey =
      event.character == event.unshifted || event.character == caseSwapped(event.unshifted);
  if (candidate > kPlainLimit && sameKey) return extendedKey(candidate / 256);
  return plainOrNothing(event.character);
}

}  // namespace

bool altAloneHeld(uint32_t state) {
  return (state & keystate::kAnyAlt) && !(state & keystate::kAnyCtrl) && !(state & keystate::kShift);
}

std::optional<KeyCode> translateKey(const KeyEvent& event) {
  const Modifier modifier = countingModifier(event.controlState);
  if ((event.controlState & keystate::kEnhanced) && event.character == 0) {
    return translateEnhanced(event, modifier);
  }
  if (event.scanCode > kLastTableScanCode) return plainOrNothing(event.character);
  return translateMain(event, modifier);
}

void KeyEventDrain::take(const KeyEvent& event, KeyQueue& queue) {
  const bool altAlone = altAloneHeld(event.controlState);
  if (!event.keyDown) {
    if (!altAlone) releaseComposition(queue);
    return;
  }
  if (event.repeatCount == 0) return;
  const std::optional<KeyCode> key = translateKey(event);
  const bool keypadDigit =
      event.virtualKey >= kKeypadDigitFirst && event.virtualKey <= kKeypadDigitLast;
  if (keypadDigit && altAlone) {
    composition_ = composition_ * 10 + (event.virtualKey - kKeypadDigitFirst);
    if (key) queue.push(*key);
  } else if (key) {
    composition_ = 0;
    queue.push(*key);
  } else if (!altAlone) {
    releaseComposition(queue);
  }
}

// The composed value, modulo 256, becomes a plain key (the key 0 included).
void KeyEventDrain::releaseComposition(KeyQueue& queue) {
  if (composition_ == 0) return;
  queue.push(static_cast<KeyCode>(composition_ % 256));
  composition_ = 0;
}

}  // namespace zemlar
