// system_calls.cpp: the real operating-system calls.
#include "power/system_calls.h"

const SystemCalls kRealSystemCalls = {
    ::OpenProcessToken, ::LookupPrivilegeValueA, ::AdjustTokenPrivileges, ::CreateWaitableTimerA,
    ::SetWaitableTimer, ::MsgWaitForMultipleObjects, ::CreateThread,     ::GetExitCodeThread,
    ::TerminateThread,  ::ExitWindowsEx,          ::SetThreadExecutionState,
};

SystemCalls System = kRealSystemCalls;
