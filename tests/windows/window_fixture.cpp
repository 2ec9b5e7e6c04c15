// window_fixture.cpp: the real main window under test.
#include "window_fixture.h"

EventLog Events;

namespace {

void RecordCreated() {
  ++Events.created;
  Events.visibleWhenCreated = IsWindowVisible(MainWindow()) != FALSE;
}
Verdict RecordCanBeClosed() {
  ++Events.canBeClosed;
  return Events.verdict;
}
void RecordStart() { ++Events.startClicked; }
void RecordCancel() { ++Events.cancelClicked; }

}  // namespace

void WindowTest::SetUp() { Events = EventLog{}; }

void WindowTest::TearDown() {
  if (IsWindow(MainWindow())) DiscardWindow();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

void WindowTest::DiscardWindow() {
  BindMainWindowEvents({});
  DestroyWindow(MainWindow());
  DiscardQuit();
}

void DiscardQuit() {
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void WindowTest::Open(const MainWindowEvents& events) {
  BindMainWindowEvents(events);
  ASSERT_TRUE(OpenMainWindow(GetModuleHandleW(nullptr)));
  // Key strokes go to the foreground window; the first window of a fresh Wine
  // session may be activated a moment late.
  for (int i = 0; i < 100 && GetForegroundWindow() != MainWindow(); ++i) {
    SetForegroundWindow(MainWindow());
    Pump();
  }
  ASSERT_EQ(GetForegroundWindow(), MainWindow());
  Pump();
}

void WindowTest::OpenRecording() { Open({RecordCreated, RecordCanBeClosed, RecordStart, RecordCancel}); }

void WindowTest::PressKey(WORD key, bool shift) {
  INPUT inputs[4] = {};
  int n = 0;
  auto add = [&](WORD vk, DWORD flags) {
    inputs[n].type = INPUT_KEYBOARD;
    inputs[n].ki.wVk = vk;
    inputs[n].ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    inputs[n].ki.dwFlags = flags;
    ++n;
  };
  if (shift) add(VK_SHIFT, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  ASSERT_EQ(SendInput(n, inputs, sizeof(INPUT)), static_cast<UINT>(n));
  Pump();
}

void WindowTest::TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, inputs, sizeof(INPUT)), 2u);
  }
  Pump();
}

void WindowTest::Pump() {
  // Input injected by SendInput reaches the queue asynchronously under Wine.
  for (int i = 0; i < 5; ++i) {
    Sleep(10);
    ProcessPendingEvents();
  }
}

std::wstring WindowTest::WideTextOf(HWND window) {
  wchar_t buffer[512];
  int n = GetWindowTextW(window, buffer, 512);
  return std::wstring(buffer, n);
}

Control WindowTest::FocusedControl() {
  HWND focus = GetFocus();
  return focus ? static_cast<Control>(GetDlgCtrlID(focus)) : Control(0);
}

std::string Gbk(const std::wstring& utf16) {
  char buffer[1024];
  int n = WideCharToMultiByte(936, 0, utf16.data(), static_cast<int>(utf16.size()), buffer, sizeof buffer, nullptr,
                              nullptr);
  return std::string(buffer, n);
}

std::wstring Utf16(const std::string& gbk) {
  wchar_t buffer[1024];
  int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), buffer, 1024);
  return std::wstring(buffer, n);
}

std::string ShownChoice() {
  std::string shown = GetChecked(单选框_注销) ? "注销" : "";
  if (GetChecked(单选框_关机)) shown += "关机";
  if (GetChecked(单选框_重启)) shown += "重启";
  if (GetChecked(选择框_强制终止)) shown += "+强制";
  return shown;
}

std::string ContentOf(Control box) { return GetContent(box).c_str(); }

HWND FindMessageBox(DWORD thread) {
  HWND box = nullptr;
  EnumThreadWindows(
      thread,
      [](HWND w, LPARAM found) {
        // A message box is the dialog that holds the text's static (ID 0xFFFF).
        wchar_t name[16];
        GetClassNameW(w, name, 16);
        if (wcscmp(name, L"#32770") != 0 || !GetDlgItem(w, 0xFFFF) || !IsWindowVisible(w)) return TRUE;
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&box));
  return box;
}
