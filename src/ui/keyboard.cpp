// keyboard.cpp: Tab order and radio-button arrows, done before the standard
// translation because the dialog manager's order follows the stacking order.
#include "ui/keyboard.h"

#include "ui/main_window.h"
#include "ui/window_definition.h"
#include "ui/window_operations.h"

namespace {

int PositionIn(const Control* ring, int size, HWND window) {
  for (int i = 0; i < size; ++i)
    if (ControlWindow(ring[i]) == window) return i;
  return -1;
}

// An auto radio button checks itself when it receives the focus from the
// keyboard; moving the focus alone must not change the chosen action.
void FocusKeepingChecks(HWND target) {
  bool checked[3];
  for (int i = 0; i < 3; ++i) checked[i] = GetChecked(kRadioRing[i]);
  SetFocus(target);
  for (int i = 0; i < 3; ++i)
    if (GetChecked(kRadioRing[i]) != checked[i]) SetChecked(kRadioRing[i], checked[i]);
}

void MoveAlongTabOrder(int step) {
  constexpr int count = sizeof kTabOrder / sizeof kTabOrder[0];
  int from = PositionIn(kTabOrder, count, GetFocus());
  if (from < 0) from = step > 0 ? count - 1 : 0;
  for (int n = 1; n <= count; ++n) {
    HWND candidate = ControlWindow(kTabOrder[(from + step * n + count * n) % count]);
    if (IsWindowEnabled(candidate) && IsWindowVisible(candidate)) {
      FocusKeepingChecks(candidate);
      return;
    }
  }
}

bool MoveAmongRadios(HWND from, int step) {
  int at = PositionIn(kRadioRing, 3, from);
  if (at < 0) return false;
  int to = (at + step + 3) % 3;
  SetFocus(ControlWindow(kRadioRing[to]));
  for (int i = 0; i < 3; ++i) SetChecked(kRadioRing[i], i == to);
  return true;
}

}  // namespace

bool PreTranslateKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  HWND window = MainWindow();
  if (!window || (msg.hwnd != window && !IsChild(window, msg.hwnd))) return false;
  switch (msg.wParam) {
    case VK_TAB:
      MoveAlongTabOrder(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      return true;
    case VK_LEFT:
    case VK_UP:
      return MoveAmongRadios(msg.hwnd, -1);
    case VK_RIGHT:
    case VK_DOWN:
      return MoveAmongRadios(msg.hwnd, 1);
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_F1:
      return true;  // no default button, no cancel key, no help
  }
  return false;
}
