// countdown_state.h: what the start and cancel buttons share with the worker.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

// The worker's thread handle, null when none is known. Main thread only.
extern HANDLE WorkerThread;
// 1 asks a running worker to stop. Written by the main thread, read by the worker.
extern std::atomic<int32_t> CancelFlag;
// Seconds to count down; written before the worker is created, read once by it.
extern int32_t CountdownSeconds;
