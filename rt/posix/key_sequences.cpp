#include "rt/posix/key_sequences.hpp"

#include <algorithm>
#include <array>

#include "rt/key_translate.hpp"

namespace zemlar::posix {

namespace {

// Sequence introducers (after ESC) and the forms that need special reading.
constexpr char kCsi = '[';               // ESC [ params final
constexpr char kSs3 = 'O';               // ESC O final
constexpr char kLinuxFunctionKey = '[';  // ESC [ [ A-E: F1-F5 of the Linux console
constexpr char kTildeFinal = '~';        // ESC [ n ; m ~
constexpr char kCursorReportFinal = 'R'; // ESC [ row ; col R
constexpr std::size_t kMaxSequenceLength = 32;
constexpr int kMaxParams = 4;
constexpr int kMaxParamValue = 9999;

// Keys as the native console reports them (scan code, enhanced flag, character,
// unshifted character).
constexpr ConsoleKeyPress cursorBlock(uint16_t scanCode) { return {scanCode, true, 0, 0, 0}; }
constexpr ConsoleKeyPress functionKey(int n) {
  return {static_cast<uint16_t>(n <= 10 ? 58 + n : 76 + n), false, 0, 0, 0};
}
constexpr ConsoleKeyPress kUp = cursorBlock(72), kDown = cursorBlock(80), kLeft = cursorBlock(75),
                          kRight = cursorBlock(77), kHome = cursorBlock(71), kEnd = cursorBlock(79),
                          kInsert = cursorBlock(82), kDelete = cursorBlock(83),
                          kPageUp = cursorBlock(73), kPageDown = cursorBlock(81);
constexpr ConsoleKeyPress kKeypad5{76, false, 0, 0, 0};  // keypad 5 without Num Lock
constexpr ConsoleKeyPress kShiftTab{15, false, '\t', '\t', keystate::kShift};

// ESC [ [1;m]X and ESC O X: the final letter names the key.
struct LetterKey {
  char final;
  ConsoleKeyPress press;
};
constexpr LetterKey kLetterKeys[] = {
    {'A', kUp},      {'B', kDown},          {'C', kRight},         {'D', kLeft},
    {'H', kHome},    {'F', kEnd},           {'E', kKeypad5},       {'P', functionKey(1)},
    {'Q', functionKey(2)}, {'R', functionKey(3)}, {'S', functionKey(4)}, {'Z', kShiftTab},
};

// ESC [ n [;m] ~: the number names the key.
struct NumberKey {
  int number;
  ConsoleKeyPress press;
};
constexpr NumberKey kNumberKeys[] = {
    {1, kHome},            {2, kInsert},          {3, kDelete},          {4, kEnd},
    {5, kPageUp},          {6, kPageDown},        {7, kHome},            {8, kEnd},
    {11, functionKey(1)},  {12, functionKey(2)},  {13, functionKey(3)},  {14, functionKey(4)},
    {15, functionKey(5)},  {17, functionKey(6)},  {18, functionKey(7)},  {19, functionKey(8)},
    {20, functionKey(9)},  {21, functionKey(10)}, {23, functionKey(11)}, {24, functionKey(12)},
};

// ESC [ [ X of the Linux console.
constexpr LetterKey kLinuxFunctionKeys[] = {
    {'A', functionKey(1)}, {'B', functionKey(2)}, {'C', functionKey(3)},
    {'D', functionKey(4)}, {'E', functionKey(5)},
};

// The main block of the keyboard the Alt+character keys refer to: each row of keys
// from its first scan code, with the character the native console's key map gives
// for each key (capitals for letters) and the other character the key types.
struct LayoutRow {
  uint16_t firstScanCode;
  std::string_view mapped;
  std::string_view other;
};
constexpr LayoutRow kLayout[] = {
    {2, "1234567890-=", "!@#$%^&*()_+"},
    {16, "QWERTYUIOP[]", "qwertyuiop{}"},
    {30, "ASDFGHJKL;'`", "asdfghjkl:\"~"},
    {43, "\\ZXCVBNM,./", "|zxcvbnm<>?"},
    {57, " ", " "},
};
// Keys whose byte is a control character.
struct ControlKey {
  uint8_t byte;
  uint16_t scanCode;
  uint8_t character;  // what the native console reports
};
constexpr ControlKey kControlKeys[] = {
    {27, 1, 27},   // Esc
    {127, 14, 8},  // Backspace, sent as DEL by terminals
    {8, 14, 8},
    {9, 15, 9},    // Tab
    {13, 28, 13},  // Enter
    {10, 28, 13},
};

// The control-key state of the modifier parameter m = 1 + Shift 1 + Alt 2 + Ctrl 4.
uint32_t stateOfModifier(int m) {
  const int bits = m > 0 ? m - 1 : 0;
  uint32_t state = 0;
  if (bits & 1) state |= keystate::kShift;
  if (bits & 2) state |= keystate::kLeftAlt;
  if (bits & 4) state |= keystate::kLeftCtrl;
  return state;
}

struct Params {
  std::array<int, kMaxParams> values{};
  int count = 0;
  bool plain = true;  // only digits and ';' (no private markers or intermediates)
  int at(int i, int fallback) const { return i < count && values[i] != 0 ? values[i] : fallback; }
};

// Reads parameters from index `from` up to the final byte.
struct Scan {
  SequenceMatch::Status status = SequenceMatch::Status::Unknown;
  std::size_t length = 0;
  char final = 0;
  Params params;
};

Scan scanParams(std::string_view bytes, std::size_t from) {
  Scan scan;
  for (std::size_t i = from;; ++i) {
    if (i >= kMaxSequenceLength) return {SequenceMatch::Status::Overlong, i, 0, {}};
    if (i >= bytes.size()) return {SequenceMatch::Status::Incomplete, i, 0, {}};
    const auto c = static_cast<unsigned char>(bytes[i]);
    Params& p = scan.params;
    if (c >= '0' && c <= '9') {
      if (p.count == 0) p.count = 1;
      int& v = p.values[p.count - 1];
      v = std::min(v * 10 + (c - '0'), kMaxParamValue);
    } else if (c == ';') {
      if (p.count == 0) p.count = 1;
      if (p.count == kMaxParams) p.plain = false;
      else ++p.count;
    } else if (isSequenceBody(c)) {
      p.plain = false;  // private markers and intermediate bytes: no key of ours
    } else if (isSequenceFinal(c)) {
      scan.status = SequenceMatch::Status::Key;
      scan.length = i + 1;
      scan.final = static_cast<char>(c);
      return scan;
    } else {
      return {SequenceMatch::Status::Unknown, i, 0, {}};
    }
  }
}

SequenceMatch keyMatch(std::size_t length, ConsoleKeyPress press, int modifier) {
  press.controlState |= stateOfModifier(modifier);
  return {SequenceMatch::Status::Key, length, press, {}};
}

SequenceMatch unknown(std::size_t length) { return {SequenceMatch::Status::Unknown, length, {}, {}}; }

template <typename Row, std::size_t N, typename Key>
const Row* find(const Row (&rows)[N], Key key, Key Row::*field) {
  for (const Row& row : rows) {
    if (row.*field == key) return &row;
  }
  return nullptr;
}

// The final letter with no parameters, "1", or "1;m".
SequenceMatch letterKey(const Scan& scan) {
  const LetterKey* row = find(kLetterKeys, scan.final, &LetterKey::final);
  if (row == nullptr || scan.params.count > 2 || scan.params.at(0, 1) != 1) {
    return unknown(scan.length);
  }
  return keyMatch(scan.length, row->press, scan.params.at(1, 1));
}

SequenceMatch numberKey(const Scan& scan) {
  const NumberKey* row = find(kNumberKeys, scan.params.at(0, 0), &NumberKey::number);
  if (row == nullptr || scan.params.count > 2) return unknown(scan.length);
  return keyMatch(scan.length, row->press, scan.params.at(1, 1));
}

SequenceMatch controlSequence(std::string_view bytes, bool cursorReportExpected) {
  const Scan scan = scanParams(bytes, 2);
  if (scan.status != SequenceMatch::Status::Key) return {scan.status, scan.length, {}, {}};
  if (!scan.params.plain) return unknown(scan.length);
  if (scan.final == kTildeFinal) return numberKey(scan);
  if (scan.final == kCursorReportFinal && cursorReportExpected && scan.params.count == 2) {
    const platform::CellPosition cursor{scan.params.at(0, 1), scan.params.at(1, 1)};
    return {SequenceMatch::Status::CursorReport, scan.length, {}, cursor};
  }
  return letterKey(scan);
}

SequenceMatch linuxFunctionKey(std::string_view bytes) {
  constexpr std::size_t kLength = 4;
  if (bytes.size() < kLength) return {SequenceMatch::Status::Incomplete, bytes.size(), {}, {}};
  const LetterKey* row = find(kLinuxFunctionKeys, bytes[3], &LetterKey::final);
  if (row == nullptr) return unknown(kLength);
  return keyMatch(kLength, row->press, 1);
}

// ESC O X, or ESC O m X as some terminals send a modified key.
SequenceMatch singleShift(std::string_view bytes) {
  const Scan scan = scanParams(bytes, 2);
  if (scan.status != SequenceMatch::Status::Key) return {scan.status, scan.length, {}, {}};
  const LetterKey* row = find(kLetterKeys, scan.final, &LetterKey::final);
  if (row == nullptr || !scan.params.plain || scan.params.count > 1) return unknown(scan.length);
  return keyMatch(scan.length, row->press, scan.params.at(0, 1));
}

std::optional<ConsoleKeyPress> layoutPress(uint8_t byte) {
  for (const LayoutRow& row : kLayout) {
    for (std::size_t i = 0; i < row.mapped.size(); ++i) {
      if (row.mapped[i] == byte || row.other[i] == byte) {
        const auto scanCode = static_cast<uint16_t>(row.firstScanCode + i);
        return ConsoleKeyPress{scanCode, false, byte, static_cast<uint8_t>(row.mapped[i]), 0};
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<KeyCode> nativeKeyCode(const ConsoleKeyPress& press) {
  KeyEvent event;
  event.character = press.character;
  event.keyDown = true;
  event.repeatCount = 1;
  event.scanCode = press.scanCode;
  event.controlState = press.controlState | (press.enhanced ? keystate::kEnhanced : 0);
  event.unshifted = press.unshifted;
  return translateKey(event);
}

bool isSequenceBody(uint8_t byte) { return byte >= 0x20 && byte <= 0x3F; }
bool isSequenceFinal(uint8_t byte) { return byte >= 0x40 && byte <= 0x7E; }

bool startsSequence(std::string_view bytes) {
  return bytes.size() >= 2 && bytes[0] == kEsc && (bytes[1] == kCsi || bytes[1] == kSs3);
}

SequenceMatch matchSequence(std::string_view bytes, bool cursorReportExpected) {
  if (bytes.size() < 3) return {SequenceMatch::Status::Incomplete, bytes.size(), {}, {}};
  if (bytes[1] == kSs3) return singleShift(bytes);
  if (bytes[2] == kLinuxFunctionKey) return linuxFunctionKey(bytes);
  return controlSequence(bytes, cursorReportExpected);
}

std::optional<ConsoleKeyPress> altPressOf(uint8_t byte) {
  std::optional<ConsoleKeyPress> press;
  for (const ControlKey& key : kControlKeys) {
    if (key.byte == byte) press = ConsoleKeyPress{key.scanCode, false, key.character, key.character, 0};
  }
  if (!press) press = layoutPress(byte);
  if (press) press->controlState |= keystate::kLeftAlt;
  return press;
}

}  // namespace zemlar::posix
