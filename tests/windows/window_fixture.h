// window_fixture.h: opens the real main window in the test process, and
// drives it with real input.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/controls.h"
#include "ui/event_loop.h"
#include "ui/main_window.h"
#include "ui/window_operations.h"

// Counts what reached the window's event handlers.
struct EventLog {
  int created = 0;
  bool visibleWhenCreated = true;
  int canBeClosed = 0;
  int startClicked = 0;
  int cancelClicked = 0;
  Verdict verdict = Verdict::None;
};
extern EventLog Events;

class WindowTest : public testing::Test {
 protected:
  // Binds handlers that only record, unless a test binds its own first.
  void SetUp() override;
  void TearDown() override;

  void Open(const MainWindowEvents& events);
  // Destroys the window without raising its events, and takes away the quit
  // its destruction posts, so that the next window of the same test starts clean.
  static void DiscardWindow();
  void OpenRecording();

  // Sends real key strokes through the system's input queue, then lets the
  // window's thread handle them as its event loop would.
  static void PressKey(WORD key, bool shift = false);
  static void TypeText(const std::wstring& text);
  static void Pump();

  static HWND Hwnd(Control control) { return ControlWindow(control); }
  static std::wstring WideTextOf(HWND window);
  static Control FocusedControl();  // 0 when no control has the focus
};

// Takes away a WM_QUIT that a destroyed window left in this thread's queue.
void DiscardQuit();

// The chosen action as the controls show it: "注销", "关机" or "重启" for each
// checked radio button, then "+强制" when the force box is ticked.
std::string ShownChoice();
// An edit box's content as GBK bytes.
std::string ContentOf(Control box);
// The visible message box shown by the given thread, or null.
HWND FindMessageBox(DWORD thread);

// "设置" etc. as the program keeps them, for comparing with GBK bytes.
std::string Gbk(const std::wstring& utf16);
std::wstring Utf16(const std::string& gbk);
