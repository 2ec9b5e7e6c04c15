// window_operations.h: what the rest of the program does to the window's controls.
//
// Each acts on the control at once. Called from another thread, those that are
// window messages are carried out by the window's thread while the caller waits.
#pragma once

#include <cstdint>

#include "text/text.h"
#include "ui/controls.h"

bool GetChecked(Control control);                 // radio buttons, check box
void SetChecked(Control control, bool checked);   // only the named button changes
Text GetContent(Control control);                 // edit boxes: the whole live text
void SetContent(Control control, const Text& text);
void SetDisabled(Control control, bool disabled); // push buttons
void SetCaption(Control control, const Text& text);  // 标签4: text, then repaint

// A task-modal information box titled "提示" with one OK button, owned by the
// main window while it lives.
void ShowMessage(const Text& text);

// Runs routine(argument) on the window's thread and waits for it; not at all,
// and false, once the window's close has been accepted or the window is gone.
bool CallOnWindowThread(void (*routine)(intptr_t), intptr_t argument);

// Handles every message waiting for the calling thread as the event loop
// would, and returns without waiting. A WM_QUIT is left for the event loop.
void ProcessPendingEvents();
