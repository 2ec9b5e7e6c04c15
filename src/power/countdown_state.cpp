// countdown_state.cpp: the countdown's shared state.
#include "power/countdown_state.h"

HANDLE WorkerThread = nullptr;
std::atomic<int32_t> CancelFlag{0};
int32_t CountdownSeconds = 0;
