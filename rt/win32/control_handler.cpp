#include "rt/win32/control_handler.hpp"

#include <atomic>

#include "rt/process.hpp"

namespace zemlar::platform::win32 {

namespace {
std::atomic<bool> closeRequested{false};
}  // namespace

BOOL WINAPI controlHandler(DWORD notification) {
  switch (notification) {
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      closeRequested.store(true);
      return TRUE;
    default:
      return FALSE;
  }
}

void installControlHandlerOnce() {
  static const bool installed = [] {
    if (!SetConsoleCtrlHandler(controlHandler, TRUE)) return false;
    registerEndAction([] { SetConsoleCtrlHandler(controlHandler, FALSE); });
    return true;
  }();
  (void)installed;
}

bool takeCloseRequest() { return closeRequested.exchange(false); }

}  // namespace zemlar::platform::win32
