// start_cancel.cpp: starting a countdown and cancelling it.
#include "power/start_cancel.h"

#include <windows.h>

#include "power/action_type_controls.h"
#include "power/countdown_state.h"
#include "power/countdown_worker.h"
#include "power/delay.h"
#include "power/privilege.h"
#include "power/system_calls.h"
#include "settings/settings.h"
#include "text/conversion.h"
#include "ui/main_window.h"
#include "ui/window_operations.h"

namespace {

constexpr int kCancelAttempts = 15;
constexpr DWORD kWorkerDone = 1;  // the worker's exit code

void EnableBoth() {
  SetDisabled(按钮_开始, false);
  SetDisabled(按钮_取消, false);
}

// One step of the running total: truncated toward zero, held within 32 bits.
int32_t ClampedStep(double total, bool zeroBelowOne) {
  if (zeroBelowOne && total < 1) return 0;
  if (total >= 2147483647.0) return INT32_MAX;  // never wrap into a shorter countdown
  if (total <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(total);
}

// Collects a worker that has returned; false while it still runs.
bool CollectWorker() {
  DWORD exitCode = 0;
  if (!System.getExitCodeThread(WorkerThread, &exitCode)) {
    WorkerThread = nullptr;  // nothing more can be learnt of it
    return true;
  }
  if (exitCode != kWorkerDone) return false;
  CloseHandle(WorkerThread);
  WorkerThread = nullptr;
  return true;
}

}  // namespace

int32_t CountdownFromFields(int32_t hours, int32_t minutes, int32_t seconds) {
  int32_t total = ClampedStep(hours * 3600.0, true);
  total = ClampedStep(total + minutes * 60.0, true);
  return ClampedStep(static_cast<double>(total) + seconds, false);
}

void OnStartClicked() {
  if (WorkerThread) return;
  SetDisabled(按钮_开始, true);
  SetDisabled(按钮_取消, true);

  if (!EnableShutdownPrivilege(GetCurrentProcess())) {
    ShowMessage("获取关机权限失败！");
    EnableBoth();
    return;
  }
  CountdownSeconds = CountdownFromFields(TextToInt(GetContent(编辑框_时)), TextToInt(GetContent(编辑框_分)),
                                         TextToInt(GetContent(编辑框_秒)));
  if (CountdownSeconds < 1) {
    CountdownSeconds = 0;
    ShowMessage("关机时间不能留空或者为小于 1 秒！");
    EnableBoth();
    return;
  }
  ActionType actionType = ActionTypeFromControls();
  CancelFlag = 0;
  SaveSettings();

  DWORD threadId;
  WorkerThread = System.createThread(nullptr, 0, CountdownThreadStart,
                                     reinterpret_cast<LPVOID>(static_cast<INT_PTR>(actionType)), 0, &threadId);
  if (!WorkerThread) {
    ShowMessage("启动计时线程失败！");
    EnableBoth();
    return;
  }
  SetDisabled(按钮_取消, false);
}

void OnCancelClicked() {
  if (!WorkerThread) return;
  SetDisabled(按钮_开始, true);
  SetDisabled(按钮_取消, true);
  CancelFlag = 1;

  // A worker inside its one-second wait sees the flag when that second is over.
  for (int attempt = 1; attempt <= kCancelAttempts; ++attempt) {
    if (CollectWorker()) break;
    // Once the window has closed the process is ending, and the worker with it.
    if (MainWindowClosing()) return;
    DelayWithEvents(1000);
  }
  if (WorkerThread && System.terminateThread(WorkerThread, 0)) {
    CloseHandle(WorkerThread);
    WorkerThread = nullptr;
  }
  if (!WorkerThread) {
    EnableBoth();
    return;
  }
  SetDisabled(按钮_取消, false);
  ShowMessage("关闭计时线程失败！");
}
