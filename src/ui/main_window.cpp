// main_window.cpp: opening the main window, and its window procedure.
#include "ui/main_window.h"

#include <atomic>
#include <cstdint>

#include "ui/edit_filter.h"
#include "ui/label.h"
#include "ui/subclass.h"
#include "ui/wide_text.h"
#include "ui/window_definition.h"

namespace {

constexpr wchar_t kWindowClass[] = L"RudivAdodavuvMain";

MainWindowEvents gEvents = {};
HWND gMainWindow = nullptr;
HWND gControls[kControlCount] = {};
HFONT gFont = nullptr;
HICON gBigIcon = nullptr;
HICON gSmallIcon = nullptr;
HWND gLastFocus = nullptr;      // given back when the window is activated again
bool gOpening = false;          // events caused by building the window are discarded
std::atomic<bool> gClosing{false};

// --- colours of the standard controls ----------------------------------------

// Buttons and the group box: black on the button face; edit boxes: black on white.
LRESULT ControlColors(UINT message, HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  if (message == WM_CTLCOLOREDIT) {
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool IsControlColorMessage(UINT message) {
  return message == WM_CTLCOLOREDIT || message == WM_CTLCOLORBTN || message == WM_CTLCOLORSTATIC;
}

void FillWithButtonFace(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

// The group box parents ten controls; it answers their colour questions like the window does.
LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsControlColorMessage(message)) return ControlColors(message, reinterpret_cast<HDC>(wParam));
  if (message == WM_ERASEBKGND) {
    // The group box itself paints only its frame and caption; the window
    // clips its children, so the face under the box is the box's to paint.
    FillWithButtonFace(box, reinterpret_cast<HDC>(wParam));
    return 1;
  }
  return CallOriginalProc(box, message, wParam, lParam);
}

// --- window messages ---------------------------------------------------------

void OnCommand(WPARAM wParam) {
  if (gOpening || HIWORD(wParam) != BN_CLICKED) return;
  if (LOWORD(wParam) == 按钮_开始 && gEvents.startClicked) gEvents.startClicked();
  if (LOWORD(wParam) == 按钮_取消 && gEvents.cancelClicked) gEvents.cancelClicked();
}

Verdict RaiseCanBeClosed() { return gEvents.canBeClosed ? gEvents.canBeClosed() : Verdict::None; }

void OnClose(HWND window) {
  if (RaiseCanBeClosed() == Verdict::No) return;
  gClosing = true;
  DestroyWindow(window);
}

// Refused once the close is accepted: the window's thread decides, so a close
// and a call can never overlap.
LRESULT OnCallOnWindowThread(WPARAM routine, LPARAM argument) {
  if (gClosing) return 0;
  reinterpret_cast<void (*)(intptr_t)>(routine)(argument);
  return 1;
}

void RestoreFocus() {
  if (gLastFocus && IsWindow(gLastFocus)) SetFocus(gLastFocus);
}

void OnActivate(HWND window, WPARAM wParam) {
  if (LOWORD(wParam) != WA_INACTIVE) {
    RestoreFocus();
    return;
  }
  HWND focus = GetFocus();
  if (focus && IsChild(window, focus)) gLastFocus = focus;
}

void OnNcDestroy() {
  if (gBigIcon) DestroyIcon(gBigIcon);
  if (gSmallIcon) DestroyIcon(gSmallIcon);
  gBigIcon = gSmallIcon = nullptr;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsControlColorMessage(message)) return ControlColors(message, reinterpret_cast<HDC>(wParam));
  switch (message) {
    case WM_ERASEBKGND:
      FillWithButtonFace(window, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_COMMAND:
      OnCommand(wParam);
      return 0;
    case WM_CLOSE:
      OnClose(window);
      return 0;
    case WM_QUERYENDSESSION:
      return RaiseCanBeClosed() == Verdict::No ? FALSE : TRUE;
    case WM_ACTIVATE:
      OnActivate(window, wParam);
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SETFONT:
      gFont = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(gFont);
    case kCallOnWindowThread:
      return OnCallOnWindowThread(wParam, lParam);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// --- opening -----------------------------------------------------------------

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kWindowClass, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = nullptr;  // WM_ERASEBKGND paints the button face
  wc.lpszClassName = kWindowClass;
  return RegisterClassExW(&wc) != 0;
}

HWND CreateControl(HINSTANCE instance, const ControlDefinition& control) {
  HWND parent = control.parent ? ControlWindow(control.parent) : gMainWindow;
  const Placement& at = control.placement;
  HWND hwnd = CreateWindowExW(ExStyleOf(control.kind), ClassNameOf(control.kind), ToWide(control.text).c_str(),
                              StyleOf(control), at.x, at.y, at.width, at.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.name)), instance, nullptr);
  if (!hwnd) return nullptr;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(gFont), FALSE);
  if (control.kind == ControlKind::EditBox) {
    SendMessageW(hwnd, EM_LIMITTEXT, 0, 0);  // 0: no limit beyond the system's
    if (!InstallDigitFilter(hwnd)) return nullptr;
  }
  if (control.kind == ControlKind::GroupBox && !Subclass(hwnd, GroupBoxProc)) return nullptr;
  return hwnd;
}

// Earlier controls in the definition lie above later siblings.
void SetStackingOrder() {
  for (int i = 0; i < kControlCount; ++i) {
    HWND above = HWND_TOP;
    for (int j = i - 1; j >= 0; --j)
      if (kControls[j].parent == kControls[i].parent) {
        above = gControls[j];
        break;
      }
    SetWindowPos(gControls[i], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void SetIcons(HINSTANCE instance) {
  gBigIcon = static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 32, 32, 0));
  gSmallIcon = static_cast<HICON>(LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
  SendMessageW(gMainWindow, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(gBigIcon));
  SendMessageW(gMainWindow, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(gSmallIcon));
}

bool BuildWindow(HINSTANCE instance) {
  if (!RegisterMainWindowClass(instance) || !RegisterLabelClass(instance)) return false;
  gFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  int x = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
  gMainWindow = CreateWindowExW(kWindowExStyle, kWindowClass, ToWide(kWindowTitle).c_str(), kWindowStyle, x, y,
                                kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!gMainWindow) return false;
  SetIcons(instance);

  for (int i = kControlCount - 1; i >= 0; --i) {
    gControls[i] = CreateControl(instance, kControls[i]);
    if (!gControls[i]) return false;
  }
  SetStackingOrder();
  for (HWND control : gControls) ShowWindow(control, SW_SHOWNA);
  return true;
}

}  // namespace

void BindMainWindowEvents(const MainWindowEvents& events) { gEvents = events; }

bool OpenMainWindow(HINSTANCE instance) {
  gClosing = false;
  gLastFocus = nullptr;
  gOpening = true;
  bool built = BuildWindow(instance);
  if (built && gEvents.created) gEvents.created();
  gOpening = false;
  if (!built) {
    if (gMainWindow) DestroyWindow(gMainWindow);
    gMainWindow = nullptr;
    return false;
  }
  gLastFocus = ControlWindow(按钮_开始);
  ShowWindow(gMainWindow, SW_SHOW);
  SetFocus(gLastFocus);
  UpdateWindow(gMainWindow);
  return true;
}

HWND MainWindow() { return gMainWindow; }

HWND ControlWindow(Control control) {
  int i = ControlIndex(control);
  return i < 0 ? nullptr : gControls[i];
}

bool MainWindowClosing() { return gClosing; }
