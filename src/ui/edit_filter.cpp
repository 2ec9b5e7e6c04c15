// edit_filter.cpp: the digits-and-minus filter of the time boxes.
#include "ui/edit_filter.h"

#include "ui/subclass.h"

namespace {

bool IsAccepted(WPARAM character) {
  return character < 32 || character == L'-' || (character >= L'0' && character <= L'9');
}

LRESULT CALLBACK DigitFilterProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR && !IsAccepted(wParam)) return 0;
  return CallOriginalProc(edit, message, wParam, lParam);
}

}  // namespace

bool InstallDigitFilter(HWND edit) { return Subclass(edit, DigitFilterProc); }
