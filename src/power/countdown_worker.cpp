// countdown_worker.cpp: the countdown thread's body.
#include "power/countdown_worker.h"

#include "power/countdown_state.h"
#include "power/delay.h"
#include "power/system_calls.h"
#include "settings/settings.h"
#include "text/conversion.h"
#include "ui/main_window.h"
#include "ui/window_operations.h"

namespace {

void ShowRemaining(int32_t remaining, const Text& name) {
  // After the window has closed its controls are gone: leave them alone.
  if (!MainWindowClosing()) SetCaption(标签4, CountdownCaption(remaining, name));
}

// Runs on the window's thread, so that it cannot interleave with a close: once
// the close is accepted, nothing is saved and nothing is done.
void SaveAndAct(intptr_t actionType) {
  if (MainWindowClosing()) return;
  SaveSettings();
  System.exitWindowsEx(static_cast<UINT>(actionType), 0);  // a refusal is silent
}

}  // namespace

Text CountdownCaption(int32_t remaining, const Text& name) {
  return Text("倒计时：") + IntToText(remaining) + Text(" 秒后") + name;
}

int32_t CountdownWorker(ActionType actionType) {
  // Keep the computer from idle sleep while counting. The request belongs to
  // this thread: Windows drops it when the thread ends, however it ends.
  System.setThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);

  Text name = ActionName(actionType);
  int32_t remaining = CountdownSeconds;
  ShowRemaining(remaining, name);
  const int32_t ticks = CountdownSeconds;
  for (int32_t tick = 1; tick <= ticks; ++tick) {
    if (CancelFlag == 1) break;
    // A failed wait must not shorten the countdown. This thread owns no
    // window, so a plain sleep loses nothing.
    if (!DelayWithEvents(1000)) Sleep(1000);
    --remaining;
    ShowRemaining(remaining, name);
  }
  if (CancelFlag == 0) CallOnWindowThread(SaveAndAct, actionType);
  return 1;
}

DWORD WINAPI CountdownThreadStart(LPVOID actionType) {
  return static_cast<DWORD>(CountdownWorker(static_cast<ActionType>(reinterpret_cast<INT_PTR>(actionType))));
}
