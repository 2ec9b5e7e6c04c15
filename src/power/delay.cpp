// delay.cpp: an event-pumping wait on a waitable timer.
#include "power/delay.h"

#include <windows.h>

#include "power/system_calls.h"
#include "ui/window_operations.h"

namespace {

// Every kind of message wakes the wait (0xFF).
constexpr DWORD kWakeMask =
    QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;

}  // namespace

bool DelayWithEvents(int32_t milliseconds) {
  // Negative: relative to now, in 100-nanosecond units.
  LARGE_INTEGER due;
  due.QuadPart = static_cast<LONGLONG>(static_cast<double>(milliseconds) * -10000.0);

  HANDLE timer = System.createWaitableTimer(nullptr, FALSE, nullptr);
  if (!timer) return false;
  if (!System.setWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    CloseHandle(timer);
    return false;
  }
  // The timer keeps its due time, so messages neither stretch nor shorten the wait.
  DWORD woke;
  do {
    woke = System.msgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, kWakeMask);
    if (woke == WAIT_FAILED) break;
    ProcessPendingEvents();
  } while (woke != WAIT_OBJECT_0);
  CloseHandle(timer);
  return woke == WAIT_OBJECT_0;
}
