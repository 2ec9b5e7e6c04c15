// power_fixture.cpp: the program's window with its timed action under test.
#include "power_fixture.h"

#include "power/countdown_state.h"
#include "power/start_cancel.h"
#include "power/system_calls.h"
#include "settings/settings.h"

PowerLog Power;

namespace {

std::mutex gCaptionLock;
std::vector<std::wstring> gCaptions;
WNDPROC gLabelProc = nullptr;

// Sees every caption write, whichever thread it came from.
LRESULT CALLBACK RecordingLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    std::lock_guard<std::mutex> hold(gCaptionLock);
    gCaptions.push_back(reinterpret_cast<const wchar_t*>(lParam));
  }
  return CallWindowProcW(gLabelProc, label, message, wParam, lParam);
}

BOOL WINAPI RecordExitWindows(UINT flags, DWORD reason) {
  std::lock_guard<std::mutex> hold(Power.lock);
  Power.exitCalls.emplace_back(flags, reason);
  Power.iniWhenActing = ReadIni();
  return TRUE;
}

thread_local int tTimersCreated = 0;

HANDLE WINAPI CountingCreateTimer(LPSECURITY_ATTRIBUTES security, BOOL manualReset, LPCSTR name) {
  ++tTimersCreated;
  return kRealSystemCalls.createWaitableTimer(security, manualReset, name);
}

EXECUTION_STATE WINAPI RecordExecutionState(EXECUTION_STATE state) {
  std::lock_guard<std::mutex> hold(Power.lock);
  Power.timersBeforeState.push_back(tTimersCreated);
  Power.executionStateThreads.push_back(GetCurrentThreadId());
  Power.executionStates.push_back(state);
  return ES_CONTINUOUS;
}

}  // namespace

void MessageBoxWatcher::Start(DWORD windowThread) {
  stop_ = false;
  thread_ = std::thread([this, windowThread] {
    while (!stop_) {
      if (HWND box = FindMessageBox(windowThread)) {
        Sleep(30);
        wchar_t text[256] = {}, caption[64] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        GetWindowTextW(box, caption, 64);
        {
          std::lock_guard<std::mutex> hold(lock_);
          seen_.push_back({text, caption, IsWindowEnabled(ControlWindow(按钮_开始)) != FALSE,
                           IsWindowEnabled(ControlWindow(按钮_取消)) != FALSE});
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        while (IsWindow(box) && !stop_) Sleep(5);
      }
      Sleep(10);
    }
  });
}

void MessageBoxWatcher::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

std::vector<MessageBoxWatcher::Seen> MessageBoxWatcher::Boxes() {
  std::lock_guard<std::mutex> hold(lock_);
  return seen_;
}

void PowerTest::SetUp() {
  WindowTest::SetUp();
  System = kRealSystemCalls;
  System.exitWindowsEx = RecordExitWindows;  // never for real inside a test process
  System.setThreadExecutionState = RecordExecutionState;
  System.createWaitableTimer = CountingCreateTimer;
  RemoveIni();
  boxes_.Start(GetCurrentThreadId());
}

void PowerTest::TearDown() {
  boxes_.Stop();
  WindowTest::TearDown();
  RemoveIni();
}

void PowerTest::OpenProgramWindow() {
  Open({OnWindowCreated, OnWindowCloseQuery, OnStartClicked, OnCancelClicked});
  HWND label = ControlWindow(标签4);
  gLabelProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingLabelProc)));
  std::lock_guard<std::mutex> hold(gCaptionLock);
  gCaptions.clear();
}

void PowerTest::SetTime(const char* hours, const char* minutes, const char* seconds) {
  SetContent(编辑框_时, hours);
  SetContent(编辑框_分, minutes);
  SetContent(编辑框_秒, seconds);
}

void PowerTest::Choose(Control radio, bool force) {
  SendMessageW(ControlWindow(radio), BM_CLICK, 0, 0);
  if (GetChecked(选择框_强制终止) != force) SendMessageW(ControlWindow(选择框_强制终止), BM_CLICK, 0, 0);
}

void PowerTest::ClickStart() { SendMessageW(ControlWindow(按钮_开始), BM_CLICK, 0, 0); }
void PowerTest::ClickCancel() { SendMessageW(ControlWindow(按钮_取消), BM_CLICK, 0, 0); }

std::vector<std::wstring> PowerTest::Captions() {
  std::lock_guard<std::mutex> hold(gCaptionLock);
  return gCaptions;
}

size_t PowerTest::ExitCallCount() {
  std::lock_guard<std::mutex> hold(Power.lock);
  return Power.exitCalls.size();
}

LARGE_INTEGER Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}
