// system_calls.h: the operating-system calls of the timed action, in one table.
//
// The program always uses the real Win32 functions. Tests replace entries for
// what must not happen for real inside a test process (the power action itself)
// or cannot be provoked on demand (a refused privilege, a timer or thread that
// cannot be created, a worker that will not end).
#pragma once

#include <windows.h>

struct SystemCalls {
  decltype(&::OpenProcessToken) openProcessToken;
  decltype(&::LookupPrivilegeValueA) lookupPrivilegeValue;
  decltype(&::AdjustTokenPrivileges) adjustTokenPrivileges;
  decltype(&::CreateWaitableTimerA) createWaitableTimer;
  decltype(&::SetWaitableTimer) setWaitableTimer;
  decltype(&::MsgWaitForMultipleObjects) msgWaitForMultipleObjects;
  decltype(&::CreateThread) createThread;
  decltype(&::GetExitCodeThread) getExitCodeThread;
  decltype(&::TerminateThread) terminateThread;
  decltype(&::ExitWindowsEx) exitWindowsEx;
  decltype(&::SetThreadExecutionState) setThreadExecutionState;
};

// The table in force; starts as the real functions.
extern SystemCalls System;

// The real functions, for a test to restore or wrap.
extern const SystemCalls kRealSystemCalls;
