// subclass.cpp: window subclassing through GWLP_USERDATA.
#include "ui/subclass.h"

bool Subclass(HWND window, WNDPROC procedure) {
  LONG_PTR original = GetWindowLongPtrW(window, GWLP_WNDPROC);
  if (!original) return false;
  SetWindowLongPtrW(window, GWLP_USERDATA, original);
  return SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)) != 0;
}

LRESULT CallOriginalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return CallWindowProcW(original, window, message, wParam, lParam);
}
