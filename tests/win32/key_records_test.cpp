// Keys from the Windows console's input records: recorded key events of the keyboard's
// edge cases through the backend's record conversion and the event drain, the control
// handler's close request, and, where standard input is a console, the same records
// injected into the console's input queue with WriteConsoleInputA.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rt/key_queue.hpp"
#include "rt/key_translate.hpp"
#include "rt/keyboard.hpp"
#include "rt/platform.hpp"
#include "rt/win32/control_handler.hpp"
#include "rt/win32/key_record.hpp"

namespace zemlar {
namespace {

constexpr DWORD kNumLock = NUMLOCK_ON;

KEY_EVENT_RECORD keyRecord(bool down, WORD virtualKey, WORD scanCode, char character, DWORD state = 0) {
  KEY_EVENT_RECORD record{};
  record.bKeyDown = down;
  record.wRepeatCount = 1;
  record.wVirtualKeyCode = virtualKey;
  record.wVirtualScanCode = scanCode;
  record.uChar.AsciiChar = character;
  record.dwControlKeyState = state;
  return record;
}

KEY_EVENT_RECORD press(WORD virtualKey, WORD scanCode, char character, DWORD state = 0) {
  return keyRecord(true, virtualKey, scanCode, character, state);
}

// The key texts of everything waiting in the queue, oldest first.
std::vector<std::string> takeAll(KeyQueue& queue) {
  std::vector<std::string> keys;
  while (!queue.empty()) keys.push_back(keyText(queue.pop()));
  return keys;
}

std::string extended(int code) { return std::string{static_cast<char>(255), static_cast<char>(code)}; }

struct RecordCase {
  const char* name;
  std::vector<KEY_EVENT_RECORD> records;
  std::vector<std::string> keys;
};

std::vector<RecordCase> recordCases() {
  const DWORD alt = LEFT_ALT_PRESSED | kNumLock;
  return {
      {"digit row 1", {press('1', 2, '1'), keyRecord(false, '1', 2, '1')}, {"1"}},
      {"keypad 1 with Num Lock", {press(VK_NUMPAD1, 79, '1', kNumLock)}, {"1"}},
      {"keypad 1 without Num Lock is End", {press(VK_END, 79, 0)}, {extended(79)}},
      {"Up of the cursor block", {press(VK_UP, 72, 0, ENHANCED_KEY)}, {extended(72)}},
      {"keypad 8 without Num Lock is Up", {press(VK_UP, 72, 0)}, {extended(72)}},
      {"F1", {press(VK_F1, 59, 0)}, {extended(59)}},
      {"Shift+F1", {press(VK_F1, 59, 0, SHIFT_PRESSED)}, {extended(84)}},
      {"Alt+F4", {press(VK_F4, 62, 0, LEFT_ALT_PRESSED)}, {extended(107)}},
      {"Shift alone", {press(VK_SHIFT, 42, 0, SHIFT_PRESSED), keyRecord(false, VK_SHIFT, 42, 0)}, {}},
      {"a key-down with repeat count 0", {[] {
         KEY_EVENT_RECORD record = press('A', 30, 'a');
         record.wRepeatCount = 0;
         return record;
       }()},
       {}},
      {"Alt with keypad 6 and 5 gives A at the release",
       {press(VK_MENU, 56, 0, alt), press(VK_NUMPAD6, 77, 0, alt), keyRecord(false, VK_NUMPAD6, 77, 0, alt),
        press(VK_NUMPAD5, 76, 0, alt), keyRecord(false, VK_NUMPAD5, 76, 0, alt),
        keyRecord(false, VK_MENU, 56, 0, kNumLock)},
       {"A"}},
  };
}

TEST(KeyRecords, EdgeCasesOfTheKeyboardGiveTheirKeys) {
  for (const RecordCase& c : recordCases()) {
    KeyEventDrain drain;
    KeyQueue queue;
    for (const KEY_EVENT_RECORD& record : c.records) drain.take(platform::win32::keyEventFromRecord(record), queue);
    EXPECT_EQ(takeAll(queue), c.keys) << c.name;
  }
}

// The handler runs on a system thread; the close key appears at the next drain.
TEST(ControlHandler, CloseLogOffAndShutDownQueueTheCloseKeyCtrlCIsDeclined) {
  struct Notification {
    DWORD type;
    BOOL handled;
    std::vector<std::string> keys;
  };
  const Notification notifications[] = {
      {CTRL_CLOSE_EVENT, TRUE, {extended(107)}},
      {CTRL_LOGOFF_EVENT, TRUE, {extended(107)}},
      {CTRL_SHUTDOWN_EVENT, TRUE, {extended(107)}},
      {CTRL_C_EVENT, FALSE, {}},
      {CTRL_BREAK_EVENT, FALSE, {}},
  };
  for (const Notification& n : notifications) {
    KeyQueue queue;
    platform::drainKeyEvents(queue);  // nothing left over from an earlier notification
    takeAll(queue);
    EXPECT_EQ(platform::win32::controlHandler(n.type), n.handled) << n.type;
    platform::drainKeyEvents(queue);
    EXPECT_EQ(takeAll(queue), n.keys) << n.type;
  }
}

TEST(ConsoleInput, InjectedRecordsArriveAsKeysInOrder) {
  if (!platform::inputIsConsole()) GTEST_SKIP() << "standard input is not a console here";
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(input);
  std::vector<INPUT_RECORD> records;
  for (const KEY_EVENT_RECORD& key :
       {press('1', 2, '1'), press(VK_F1, 59, 0), press(VK_UP, 72, 0, ENHANCED_KEY), press(VK_F1, 59, 0, SHIFT_PRESSED)}) {
    INPUT_RECORD record{};
    record.EventType = KEY_EVENT;
    record.Event.KeyEvent = key;
    records.push_back(record);
  }
  INPUT_RECORD focus{};
  focus.EventType = FOCUS_EVENT;
  records.insert(records.begin() + 1, focus);  // other events are dropped
  DWORD written = 0;
  ASSERT_TRUE(WriteConsoleInputA(input, records.data(), static_cast<DWORD>(records.size()), &written));
  ASSERT_EQ(written, records.size());

  KeyQueue queue;
  platform::drainKeyEvents(queue);
  EXPECT_EQ(takeAll(queue), (std::vector<std::string>{"1", extended(59), extended(72), extended(84)}));
  DWORD left = 1;
  EXPECT_TRUE(GetNumberOfConsoleInputEvents(input, &left));
  EXPECT_EQ(left, 0u);
}

}  // namespace
}  // namespace zemlar
