// countdown_worker.h: the countdown thread.
#pragma once

#include <windows.h>

#include <cstdint>

#include "power/action_type.h"
#include "text/text.h"

// Counts CountdownSeconds down in 标签4, one second at a time, until done or
// cancelled; when done, saves the settings and requests the action. Always 1.
int32_t CountdownWorker(ActionType actionType);

// The thread's start routine: the action type is its parameter.
DWORD WINAPI CountdownThreadStart(LPVOID actionType);

// "倒计时：" remaining " 秒后" name.
Text CountdownCaption(int32_t remaining, const Text& name);
