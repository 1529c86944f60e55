#include "rt/win32/key_record.hpp"

namespace zemlar::platform::win32 {

KeyEvent keyEventFromRecord(const KEY_EVENT_RECORD& record) {
  KeyEvent event;
  event.character = static_cast<uint8_t>(record.uChar.AsciiChar);
  event.keyDown = record.bKeyDown != 0;
  event.repeatCount = record.wRepeatCount;
  event.virtualKey = record.wVirtualKeyCode;
  event.scanCode = record.wVirtualScanCode;
  event.controlState = record.dwControlKeyState;
  event.unshifted = static_cast<uint16_t>(MapVirtualKeyA(record.wVirtualKeyCode, MAPVK_VK_TO_CHAR) & 0xFFFF);
  return event;
}

}  // namespace zemlar::platform::win32
