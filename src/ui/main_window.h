// main_window.h: the program's one window, its events and its controls.
#pragma once

#include <windows.h>

#include "ui/controls.h"

// What the can-be-closed event's handler decides. The window stays open only
// on an explicit No; Yes and None let it close.
enum class Verdict { None, Yes, No };

// The handlers the window's four events reach. A null handler behaves as one
// that gives no verdict.
struct MainWindowEvents {
  void (*created)();
  Verdict (*canBeClosed)();
  void (*startClicked)();
  void (*cancelClicked)();
};
void BindMainWindowEvents(const MainWindowEvents& events);

// Creates the window hidden, then its controls, raises the created event and
// shows it with the focus on 按钮_开始. False when a window cannot be created.
bool OpenMainWindow(HINSTANCE instance);

// The window, or null before it has been opened.
HWND MainWindow();
// The control's window, or null before the window has been opened.
HWND ControlWindow(Control control);

// Sent to the window to run wParam, a void (*)(intptr_t), with lParam on its thread.
constexpr UINT kCallOnWindowThread = WM_APP + 1;

// True from the moment a close has been accepted: a countdown must not act
// after that, nor touch the controls.
bool MainWindowClosing();
