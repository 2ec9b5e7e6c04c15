// edit_filter.cpp: the digits-and-minus filter of the time boxes.
#include "ui/edit_filter.h"

namespace {

bool IsAccepted(WPARAM character) {
  return character < 32 || character == L'-' || (character >= L'0' && character <= L'9');
}

LRESULT CALLBACK DigitFilterProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_USERDATA));
  if (message == WM_CHAR && !IsAccepted(wParam)) return 0;
  return CallWindowProcW(original, edit, message, wParam, lParam);
}

}  // namespace

bool InstallDigitFilter(HWND edit) {
  LONG_PTR original = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  if (!original) return false;
  SetWindowLongPtrW(edit, GWLP_USERDATA, original);
  return SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DigitFilterProc)) != 0;
}
