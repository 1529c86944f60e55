#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "rt/key_translate.hpp"

using namespace zemlar;

namespace {

constexpr uint32_t kAlt = keystate::kLeftAlt;
constexpr uint32_t kCtrl = keystate::kLeftCtrl;
constexpr uint32_t kShift = keystate::kShift;
constexpr uint32_t kEnhanced = keystate::kEnhanced;

KeyEvent keyDown(uint8_t character, uint16_t virtualKey, uint16_t scanCode, uint32_t state,
                 uint16_t unshifted) {
  return KeyEvent{character, true, 1, virtualKey, scanCode, state, unshifted};
}

struct TranslateCase {
  const char* name;
  KeyEvent event;
  std::optional<KeyCode> expected;
};

class TranslateKeyTest : public testing::TestWithParam<TranslateCase> {};

TEST_P(TranslateKeyTest, GivesTheKeyCode) {
  const TranslateCase& c = GetParam();
  EXPECT_EQ(translateKey(c.event), c.expected) << c.name;
}

const std::optional<KeyCode> kNoKey = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    KeyboardKeys, TranslateKeyTest,
    testing::Values(
        TranslateCase{"digit row 1", keyDown('1', '1', 2, 0, '1'), '1'},
        TranslateCase{"keypad 1, Num Lock on", keyDown('1', 97, 79, keystate::kNumLock, '1'), '1'},
        TranslateCase{"keypad 1, Num Lock off is End", keyDown(0, 35, 79, 0, 0), extendedKey(79)},
        TranslateCase{"F1", keyDown(0, 112, 59, 0, 0), extendedKey(59)},
        TranslateCase{"Shift+F1", keyDown(0, 112, 59, kShift, 0), extendedKey(84)},
        TranslateCase{"Alt+F4 is the close key", keyDown(0, 115, 62, kAlt, 0), extendedKey(107)},
        TranslateCase{"Ctrl+F10", keyDown(0, 121, 68, kCtrl, 0), extendedKey(103)},
        TranslateCase{"Alt+Ctrl+F1: Alt counts first", keyDown(0, 112, 59, kAlt | kCtrl, 0),
                      extendedKey(104)},
        TranslateCase{"F12 with Ctrl", keyDown(0, 123, 88, kCtrl, 0), extendedKey(138)},
        TranslateCase{"Up, cursor block", keyDown(0, 38, 72, kEnhanced, 0), extendedKey(72)},
        TranslateCase{"Up, keypad 8 without Num Lock", keyDown(0, 38, 72, 0, 0), extendedKey(72)},
        TranslateCase{"Ctrl+keypad 5", keyDown(0, 12, 76, kCtrl, 0), extendedKey(143)},
        TranslateCase{"Shift+keypad 7 is plain", keyDown('7', 103, 71, kShift, '7'), '7'},
        TranslateCase{"Shift alone", keyDown(0, 16, 42, kShift, 0), kNoKey},
        TranslateCase{"left Ctrl alone", keyDown(0, 17, 29, kCtrl, 0), kNoKey},
        TranslateCase{"right Ctrl alone", keyDown(0, 17, 29, keystate::kRightCtrl | kEnhanced, 0),
                      kNoKey},
        TranslateCase{"left Alt alone", keyDown(0, 18, 56, kAlt, 0), kNoKey},
        TranslateCase{"right Alt alone", keyDown(0, 18, 56, keystate::kRightAlt | kEnhanced, 0),
                      kNoKey},
        TranslateCase{"Caps Lock", keyDown(0, 20, 58, 0, 0), kNoKey},
        TranslateCase{"Num Lock", keyDown(0, 144, 69, kEnhanced, 0), kNoKey},
        TranslateCase{"letter a", keyDown('a', 'A', 30, 0, 'A'), 'a'},
        TranslateCase{"Alt+a", keyDown('a', 'A', 30, kAlt, 'A'), extendedKey(30)},
        TranslateCase{"Alt+Shift+a", keyDown('A', 'A', 30, kAlt | kShift, 'A'), extendedKey(30)},
        TranslateCase{"Alt+Shift+1 gives its character", keyDown('!', '1', 2, kAlt | kShift, '1'),
                      '!'},
        TranslateCase{"Alt+7", keyDown('7', '7', 8, kAlt, '7'), extendedKey(130)},
        TranslateCase{"Ctrl+a gives byte 1", keyDown(1, 'A', 30, kCtrl, 'A'), 1},
        TranslateCase{"Shift+Tab", keyDown(9, 9, 15, kShift, 9), extendedKey(15)},
        TranslateCase{"Alt+Backspace", keyDown(8, 8, 14, kAlt, 8), extendedKey(224)},
        TranslateCase{"Enter", keyDown(13, 13, 28, 0, 13), 13},
        TranslateCase{"Esc", keyDown(27, 27, 1, 0, 27), 27},
        TranslateCase{"Alt+Esc", keyDown(27, 27, 1, kAlt, 27), extendedKey(1)},
        TranslateCase{"Cyrillic letter on the F key", keyDown(0xE0, 'F', 33, 0, 'F'), 0xE0},
        TranslateCase{"Alt+Cyrillic letter stays plain", keyDown(0xE0, 'F', 33, kAlt, 'F'), 0xE0},
        TranslateCase{"key beyond the table", keyDown('x', 0, 89, kAlt, 'x'), 'x'},
        TranslateCase{"key beyond the table without a byte", keyDown(0, 0, 100, 0, 0), kNoKey}),
    [](const testing::TestParamInfo<TranslateCase>& info) {
      std::string name;
      for (const char* p = info.param.name; *p; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
      }
      return name;
    });

// Every key of the cursor block, keypad Enter and keypad slash, in all four columns.
struct EnhancedRow {
  const char* name;
  uint16_t scanCode;
  KeyCode none, shift, ctrl, alt;
};

constexpr KeyCode X(int n) { return extendedKey(n); }

const EnhancedRow kEnhancedTable[] = {
    {"keypad Enter", 28, 13, 13, 10, X(166)}, {"keypad slash", 53, 47, 63, X(149), X(164)},
    {"Home", 71, X(71), X(71), X(119), X(151)}, {"Up", 72, X(72), X(72), X(141), X(152)},
    {"Page Up", 73, X(73), X(73), X(132), X(153)}, {"Left", 75, X(75), X(75), X(115), X(155)},
    {"Right", 77, X(77), X(77), X(116), X(157)}, {"End", 79, X(79), X(79), X(117), X(159)},
    {"Down", 80, X(80), X(80), X(145), X(160)}, {"Page Down", 81, X(81), X(81), X(118), X(161)},
    {"Insert", 82, X(82), X(82), X(146), X(162)}, {"Delete", 83, X(83), X(83), X(147), X(163)},
};

TEST(TranslateKey, EnhancedKeysInEveryModifierColumn) {
  for (const EnhancedRow& row : kEnhancedTable) {
    auto with = [&](uint32_t state) { return translateKey(keyDown(0, 0, row.scanCode, state | kEnhanced, 0)); };
    EXPECT_EQ(with(0), row.none) << row.name;
    EXPECT_EQ(with(kShift), row.shift) << row.name;
    EXPECT_EQ(with(kCtrl), row.ctrl) << row.name;
    EXPECT_EQ(with(keystate::kRightCtrl), row.ctrl) << row.name << " (right Ctrl)";
    EXPECT_EQ(with(kAlt), row.alt) << row.name;
    EXPECT_EQ(with(keystate::kRightAlt | kShift), row.alt) << row.name << " (right Alt first)";
  }
}

TEST(TranslateKey, EnhancedKeyWithACharacterUsesTheCharacter) {
  // Keypad slash reports its byte; then the key is plain, whatever the table says.
  EXPECT_EQ(translateKey(keyDown('/', 111, 53, kEnhanced | kCtrl, '/')), '/');
}

// ---- event draining -----------------------------------------------------------

std::vector<KeyCode> drained(KeyQueue& queue) {
  std::vector<KeyCode> keys;
  while (!queue.empty()) keys.push_back(queue.pop());
  return keys;
}

KeyEvent keyUp(KeyEvent event, uint32_t stateAfter) {
  event.keyDown = false;
  event.controlState = stateAfter;
  return event;
}

const KeyEvent kAltDown = keyDown(0, 18, 56, kAlt, 0);
const KeyEvent kAltUp = keyUp(kAltDown, 0);

KeyEvent keypadDigitWithAlt(int digit) {
  constexpr uint16_t kScan[] = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73};
  return keyDown(0, static_cast<uint16_t>(96 + digit), kScan[digit], kAlt | keystate::kNumLock,
                 static_cast<uint16_t>('0' + digit));
}

class KeyEventDrainTest : public testing::Test {
 protected:
  void press(std::initializer_list<int> digits) {
    for (int d : digits) {
      drain.take(keypadDigitWithAlt(d), queue);
      drain.take(keyUp(keypadDigitWithAlt(d), kAlt), queue);
    }
  }
  KeyEventDrain drain;
  KeyQueue queue;
};

TEST_F(KeyEventDrainTest, AltWithKeypad6And5GivesAOnRelease) {
  drain.take(kAltDown, queue);
  press({6, 5});
  EXPECT_TRUE(queue.empty()) << "nothing before Alt is released";
  drain.take(kAltUp, queue);
  EXPECT_EQ(drained(queue), std::vector<KeyCode>{'A'});
}

TEST_F(KeyEventDrainTest, ComposedValueIsTakenModulo256) {
  drain.take(kAltDown, queue);
  press({3, 2, 1});
  drain.take(kAltUp, queue);
  drain.take(kAltDown, queue);
  press({2, 5, 6});
  drain.take(kAltUp, queue);
  EXPECT_EQ(drained(queue), (std::vector<KeyCode>{65, 0}));
}

TEST_F(KeyEventDrainTest, ShiftJoiningAltReleasesTheValue) {
  drain.take(kAltDown, queue);
  press({6, 5});
  drain.take(keyDown(0, 16, 42, kAlt | kShift, 0), queue);
  EXPECT_EQ(drained(queue), std::vector<KeyCode>{'A'});
  drain.take(kAltUp, queue);
  EXPECT_TRUE(queue.empty()) << "the value is released once";
}

TEST_F(KeyEventDrainTest, AKeyWithACodeDiscardsTheValue) {
  drain.take(kAltDown, queue);
  press({6, 5});
  drain.take(keyDown('x', 'X', 45, kAlt, 'X'), queue);
  drain.take(kAltUp, queue);
  EXPECT_EQ(drained(queue), std::vector<KeyCode>{extendedKey(45)});
}

TEST_F(KeyEventDrainTest, KeypadDigitWithAltGivesItsOwnKeyToo) {
  // A keypad digit that translates to a key queues it and still composes.
  drain.take(kAltDown, queue);
  drain.take(keyDown(0, 101, 76, kAlt, 0), queue);
  drain.take(kAltUp, queue);
  EXPECT_EQ(drained(queue), (std::vector<KeyCode>{extendedKey(76), 5}));
}

TEST_F(KeyEventDrainTest, KeyUpsAndZeroRepeatsGiveNoKeys) {
  const KeyEvent a = keyDown('a', 'A', 30, 0, 'A');
  KeyEvent noRepeat = a;
  noRepeat.repeatCount = 0;
  KeyEvent repeated = a;
  repeated.repeatCount = 5;
  drain.take(a, queue);
  drain.take(keyUp(a, 0), queue);
  drain.take(noRepeat, queue);
  drain.take(repeated, queue);
  drain.take(kAltDown, queue);
  drain.take(kAltUp, queue);
  EXPECT_EQ(drained(queue), (std::vector<KeyCode>{'a', 'a'}));
}

// ---- the queue ------------------------------------------------------------------

TEST(KeyQueue, HoldsAtMost511KeysAndDropsTheOldest) {
  KeyQueue queue;
  for (int k = 1; k <= 511; ++k) queue.push(k);
  EXPECT_EQ(queue.size(), 511);
  queue.push(512);
  EXPECT_EQ(queue.size(), 511);
  EXPECT_EQ(queue.pop(), 2);
  int last = 2;
  while (!queue.empty()) last = queue.pop();
  EXPECT_EQ(last, 512);
  EXPECT_EQ(queue.pop(), -1);
}

}  // namespace
