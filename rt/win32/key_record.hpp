#pragma once
// A key record of the Windows console as the portable key translation's event.
#include <windows.h>

#include "rt/key_translate.hpp"

namespace zemlar::platform::win32 {

// Copies the record's fields and asks the keyboard layout for the key's unshifted
// character (MapVirtualKeyA, map type 2).
KeyEvent keyEventFromRecord(const KEY_EVENT_RECORD& record);

}  // namespace zemlar::platform::win32
