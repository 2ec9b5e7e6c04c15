// subclass.h: putting a procedure of ours in front of a standard control's.
#pragma once

#include <windows.h>

// Replaces the window's procedure, keeping the original in GWLP_USERDATA.
bool Subclass(HWND window, WNDPROC procedure);

// Hands a message on to the procedure Subclass replaced.
LRESULT CallOriginalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
