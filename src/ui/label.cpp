// label.cpp: labels fill their rectangle with the button face colour and draw
// their text over it, so they look the same on any parent.
#include "ui/label.h"

#include "text/text.h"
#include "ui/window_definition.h"

namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font given by WM_SETFONT

void OnPaint(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  if (!dc) return;
  RECT client;
  GetClientRect(label, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));

  WideText text;
  int length = GetWindowTextLengthW(label);
  text.Resize(GetWindowTextW(label, text.Buffer(length), length + 1));

  auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(label, kFontSlot));
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  auto name = static_cast<Control>(GetDlgCtrlID(label));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, LabelTextColor(name));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, LabelDrawFlags(name) | DT_NOCLIP);
  if (oldFont) SelectObject(dc, oldFont);
  EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint(label);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole label
    case WM_SETFONT:
      SetWindowLongPtrW(label, kFontSlot, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(label, kFontSlot);
  }
  return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, ClassNameOf(ControlKind::Label), &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = LabelProc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = nullptr;
  wc.lpszClassName = ClassNameOf(ControlKind::Label);
  return RegisterClassExW(&wc) != 0;
}
