// event_loop.h: the main thread's message loop.
#pragma once

#include <windows.h>

// The window's key pre-translation, then TranslateMessage and DispatchMessage.
void HandleEvent(MSG& msg);

// Runs until WM_QUIT; returns its exit code.
int RunEventLoop();
