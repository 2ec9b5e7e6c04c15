// Odd input and injected faults: nothing may end in an early action, a lost
// setting, a crash or a hang.
#include "power_fixture.h"

#include "power/countdown_state.h"
#include "power/system_calls.h"

namespace {

DWORD WINAPI ReturnsOne(LPVOID) { return 1; }
HANDLE WINAPI QuickThread(LPSECURITY_ATTRIBUTES a, SIZE_T s, LPTHREAD_START_ROUTINE, LPVOID p, DWORD f, LPDWORD id) {
  ++Power.createThreadCalls;
  return kRealSystemCalls.createThread(a, s, ReturnsOne, p, f, id);
}

void Paste(HWND edit, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(MainWindow()));
  EmptyClipboard();
  size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, memory));
  CloseClipboard();
  SetWindowTextW(edit, L"");
  SetFocus(edit);
  SendMessageW(edit, WM_PASTE, 0, 0);
}

std::wstring Repeat(const std::wstring& piece, size_t bytes) {
  std::wstring text;
  while (text.size() * sizeof(wchar_t) < bytes) text += piece;
  return text;
}

using OddInput = PowerTest;

TEST_F(OddInput, StartReadsWhateverTheBoxesHoldWithoutHanging) {
  System.createThread = QuickThread;
  const struct {
    const char* name;
    std::wstring hours, minutes, seconds;
    int32_t started;  // 0: the too-short message
  } cases[] = {
      {"100 KB pasted, digits first", Repeat(L"12abc设置１２\t -+．", 100 * 1024), Repeat(L"3x", 100 * 1024),
       Repeat(L"4 ", 100 * 1024), 12 * 3600 + 3 * 60 + 4},
      {"100 KB pasted, letters first", Repeat(L"abc12设置", 100 * 1024), Repeat(L"－x", 100 * 1024),
       Repeat(L"\x3000", 100 * 1024), 0},
      {"digits that overflow", L"99999999999", L"0", L"0", INT32_MAX},
      {"minutes that wrap negative", L"", L"2147483648", L"30", 30},
      {"full-width digits in ideographic spaces", L"\x3000１\x3000", L"\x3000\x3000３０", L"", 3600 + 30 * 60},
      // U+20AC is byte 0x80 in code page 936: a lead byte with nothing after it.
      {"lone lead byte at the end", L"", L"", L"5\x20AC", 5},
  };
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  size_t boxes = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(Paste(ControlWindow(编辑框_时), c.hours));
    ASSERT_NO_FATAL_FAILURE(Paste(ControlWindow(编辑框_分), c.minutes));
    ASSERT_NO_FATAL_FAILURE(Paste(ControlWindow(编辑框_秒), c.seconds));
    EXPECT_EQ(WideTextOf(ControlWindow(编辑框_秒)).substr(0, 3), c.seconds.substr(0, 3));
    int calls = Power.createThreadCalls;
    LARGE_INTEGER start = Now();
    ClickStart();
    EXPECT_LT(Seconds(start, Now()), 5.0);
    if (c.started) {
      EXPECT_EQ(Power.createThreadCalls, calls + 1);
      EXPECT_EQ(CountdownSeconds, c.started);
      ClickCancel();
    } else {
      EXPECT_EQ(Power.createThreadCalls, calls);
      auto seen = boxes_.Boxes();
      ASSERT_EQ(seen.size(), ++boxes);
      EXPECT_EQ(seen.back().text, L"关机时间不能留空或者为小于 1 秒！");
    }
    EXPECT_EQ(WorkerThread, nullptr);
    EXPECT_TRUE(Enabled(按钮_开始));
  }
}

// --- injected faults -------------------------------------------------------------

BOOL WINAPI Refuse3(HANDLE, DWORD, PHANDLE) { return FALSE; }
BOOL WINAPI RefuseLookup(LPCSTR, LPCSTR, PLUID) { return FALSE; }
BOOL WINAPI RefuseAdjust(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD) { return FALSE; }
HANDLE WINAPI NoTimer(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) { return nullptr; }
BOOL WINAPI CannotArm(HANDLE, const LARGE_INTEGER*, LONG, PTIMERAPCROUTINE, LPVOID, BOOL) { return FALSE; }
DWORD WINAPI WaitFails(DWORD, const HANDLE*, BOOL, DWORD, DWORD) { return WAIT_FAILED; }
HANDLE WINAPI NoThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD) {
  return nullptr;
}

using InjectedFaults = PowerTest;

TEST_F(InjectedFaults, EachEndsInAKnownStateNeverEarlyNeverHung) {
  enum Ending { ActsOnTime, PrivilegeMessage, ThreadMessage };
  const struct {
    const char* name;
    void (*inject)();
    Ending ending;
    bool unwritableSettings;
  } cases[] = {
      {"timer cannot be created", [] { System.createWaitableTimer = NoTimer; }, ActsOnTime, false},
      {"timer cannot be armed", [] { System.setWaitableTimer = CannotArm; }, ActsOnTime, false},
      {"the wait fails", [] { System.msgWaitForMultipleObjects = WaitFails; }, ActsOnTime, false},
      {"token cannot be opened", [] { System.openProcessToken = Refuse3; }, PrivilegeMessage, false},
      {"privilege cannot be looked up", [] { System.lookupPrivilegeValue = RefuseLookup; }, PrivilegeMessage, false},
      {"privilege cannot be enabled", [] { System.adjustTokenPrivileges = RefuseAdjust; }, PrivilegeMessage, false},
      {"thread cannot be created", [] { System.createThread = NoThread; }, ThreadMessage, false},
      {"settings cannot be written", [] {}, ActsOnTime, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SystemCalls recorded = System;  // the recording power call stays in place
    c.inject();
    if (c.unwritableSettings) ASSERT_TRUE(CreateDirectoryA(IniPath().c_str(), nullptr));
    ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
    Choose(单选框_重启, false);
    SetTime("0", "0", "2");
    size_t boxesBefore = boxes_.Boxes().size();
    LARGE_INTEGER start = Now();
    ClickStart();

    if (c.ending == ActsOnTime) {
      ASSERT_TRUE(PumpUntil([] { return ExitCallCount() > 0; }, 6000));
      EXPECT_GE(Seconds(start, Now()), 1.99);
      EXPECT_EQ(Power.exitCalls.back().first, 2u);
      PumpFor(300);
      EXPECT_EQ(ExitCallCount(), 1u);
      ClickCancel();
      EXPECT_EQ(WorkerThread, nullptr);
      if (!c.unwritableSettings) EXPECT_EQ(Power.iniWhenActing, "[设置]\r\n类型=2\r\n小时=0\r\n分钟=0\r\n秒钟=2\r\n");
    } else {
      auto seen = boxes_.Boxes();
      ASSERT_EQ(seen.size(), boxesBefore + 1);
      EXPECT_EQ(seen.back().text, c.ending == PrivilegeMessage ? L"获取关机权限失败！" : L"启动计时线程失败！");
      PumpFor(2500);
      EXPECT_EQ(ExitCallCount(), 0u);
      // Settings are saved once the time has been checked, before the thread.
      EXPECT_EQ(ReadIni().empty(), c.ending == PrivilegeMessage);
    }
    EXPECT_TRUE(Enabled(按钮_开始));
    EXPECT_TRUE(Enabled(按钮_取消));

    DiscardWindow();
    RemoveIni();
    System = recorded;
    std::lock_guard<std::mutex> hold(Power.lock);
    Power.exitCalls.clear();
  }
}

}  // namespace
