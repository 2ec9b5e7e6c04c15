// window_operations.cpp: the window operations, over the wide Win32 functions.
#include "ui/window_operations.h"

#include <windows.h>

#include "ui/event_loop.h"
#include "ui/main_window.h"
#include "ui/wide_text.h"

bool GetChecked(Control control) {
  return SendMessageW(ControlWindow(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(Control control, bool checked) {
  SendMessageW(ControlWindow(control), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Text GetContent(Control control) {
  HWND edit = ControlWindow(control);
  WideText text;
  int length = GetWindowTextLengthW(edit);
  if (length > 0) text.Resize(GetWindowTextW(edit, text.Buffer(length), length + 1));
  return FromWide(text.c_str(), text.size());
}

void SetContent(Control control, const Text& text) {
  SetWindowTextW(ControlWindow(control), ToWide(text).c_str());
}

void SetDisabled(Control control, bool disabled) { EnableWindow(ControlWindow(control), !disabled); }

void SetCaption(Control control, const Text& text) {
  HWND label = ControlWindow(control);
  SetWindowTextW(label, ToWide(text).c_str());
  InvalidateRect(label, nullptr, FALSE);
}

void ShowMessage(const Text& text) {
  HWND owner = IsWindow(MainWindow()) ? MainWindow() : nullptr;
  MessageBoxW(owner, ToWide(text).c_str(), ToWide(Text("提示")).c_str(), MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

bool CallOnWindowThread(void (*routine)(intptr_t), intptr_t argument) {
  HWND window = MainWindow();
  if (!window || MainWindowClosing()) return false;
  return SendMessageW(window, kCallOnWindowThread, reinterpret_cast<WPARAM>(routine), argument) != 0;
}

void ProcessPendingEvents() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // keep it for the event loop
      return;
    }
    HandleEvent(msg);
  }
}
