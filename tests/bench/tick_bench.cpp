// tick_bench.exe program|probe SECONDS: times a countdown's ticks as its label
// changes, and marks the first and the last caption on standard output.
//   program: the program's own window, handlers and worker (the power call is
//            replaced, as in the tests);
//   probe:   the bare work of a tick: one waitable-timer wait of a second with
//            the same wake mask, then one cross-thread caption write.
// Prints "first" and "last" as they happen, then
// "ticks mean_overshoot_ms median_overshoot_ms max_overshoot_ms".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "power/start_cancel.h"
#include "power/system_calls.h"
#include "settings/settings.h"
#include "ui/event_loop.h"
#include "ui/main_window.h"
#include "ui/window_operations.h"

namespace {

int gSeconds = 30;
std::vector<LONGLONG> gCaptionTimes;
WNDPROC gOriginal = nullptr;

bool Done() { return static_cast<int>(gCaptionTimes.size()) >= gSeconds + 1; }

LRESULT CALLBACK TimingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT && !Done()) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    gCaptionTimes.push_back(now.QuadPart);
    // Marks for scripts/bench.sh, which reads the process's CPU time from
    // Linux at these two moments (Wine reports it in 10 ms steps only).
    if (gCaptionTimes.size() == 1) std::printf("first\n");
    if (Done()) std::printf("last\n");
    std::fflush(stdout);
  }
  return CallWindowProcW(gOriginal, window, message, wParam, lParam);
}

void TimeCaptionsOf(HWND label) {
  gOriginal = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TimingProc)));
}

void PumpUntilDone() {
  MSG msg;
  while (!Done() && GetMessageW(&msg, nullptr, 0, 0) > 0) HandleEvent(msg);
}

BOOL WINAPI NoPowerAction(UINT, DWORD) { return TRUE; }

int RunProgram() {
  System.exitWindowsEx = NoPowerAction;
  BindMainWindowEvents({OnWindowCreated, OnWindowCloseQuery, OnStartClicked, OnCancelClicked});
  if (!OpenMainWindow(GetModuleHandleW(nullptr))) return 1;
  TimeCaptionsOf(ControlWindow(标签4));
  SetContent(编辑框_时, "0");
  SetContent(编辑框_分, "0");
  char seconds[16];
  wsprintfA(seconds, "%d", gSeconds);
  SetContent(编辑框_秒, seconds);
  SendMessageW(ControlWindow(按钮_开始), BM_CLICK, 0, 0);
  PumpUntilDone();
  return 0;
}

HWND gProbeLabel = nullptr;

DWORD WINAPI ProbeWorker(LPVOID) {
  SetWindowTextW(gProbeLabel, L"start");
  for (int tick = 1; tick <= gSeconds; ++tick) {
    HANDLE timer = CreateWaitableTimerA(nullptr, FALSE, nullptr);
    LARGE_INTEGER due;
    due.QuadPart = -10000000;
    SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE);
    while (MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, 0xFF) == WAIT_OBJECT_0 + 1) {
    }
    CloseHandle(timer);
    wchar_t text[16];
    wsprintfW(text, L"%d", gSeconds - tick);
    SetWindowTextW(gProbeLabel, text);
  }
  return 0;
}

int RunProbe() {
  gProbeLabel = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 40, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!gProbeLabel) return 1;
  TimeCaptionsOf(gProbeLabel);
  HANDLE worker = CreateThread(nullptr, 0, ProbeWorker, nullptr, 0, nullptr);
  if (!worker) return 1;
  PumpUntilDone();
  WaitForSingleObject(worker, INFINITE);
  CloseHandle(worker);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (argc > 2) gSeconds = std::atoi(argv[2]);
  int status = argv[1][1] == 'r' ? RunProgram() : RunProbe();
  if (status != 0 || !Done()) return 1;

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> overshoot;
  for (size_t i = 1; i < gCaptionTimes.size(); ++i)
    overshoot.push_back(1000.0 * (gCaptionTimes[i] - gCaptionTimes[i - 1]) / frequency.QuadPart - 1000.0);
  double sum = 0;
  for (double o : overshoot) sum += o;
  std::vector<double> sorted = overshoot;
  std::sort(sorted.begin(), sorted.end());
  std::printf("%zu %.3f %.3f %.3f\n", overshoot.size(), sum / overshoot.size(), sorted[sorted.size() / 2],
              sorted.back());
  return 0;
}
