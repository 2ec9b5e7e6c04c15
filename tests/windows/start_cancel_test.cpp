// The start and cancel buttons: the time fields, the four messages, the button
// states, and the cancel protocol, with failures injected through the seam.
#include "power_fixture.h"

#include "power/countdown_state.h"
#include "power/start_cancel.h"
#include "power/system_calls.h"

namespace {

using StartCancel = PowerTest;

std::atomic<INT_PTR> gThreadParameter{-1};
HANDLE gHold = CreateEventW(nullptr, TRUE, FALSE, nullptr);  // released when a test ends

DWORD WINAPI ReturnsOne(LPVOID) { return 1; }
DWORD WINAPI NeverReturns(LPVOID) {
  WaitForSingleObject(gHold, INFINITE);
  return 1;
}

// A worker that returns at once, so the start path can be checked without waiting.
HANDLE WINAPI QuickThread(LPSECURITY_ATTRIBUTES a, SIZE_T s, LPTHREAD_START_ROUTINE, LPVOID p, DWORD f, LPDWORD id) {
  ++Power.createThreadCalls;
  gThreadParameter = reinterpret_cast<INT_PTR>(p);
  return kRealSystemCalls.createThread(a, s, ReturnsOne, p, f, id);
}
HANDLE WINAPI StuckThread(LPSECURITY_ATTRIBUTES a, SIZE_T s, LPTHREAD_START_ROUTINE, LPVOID p, DWORD f, LPDWORD id) {
  ++Power.createThreadCalls;
  return kRealSystemCalls.createThread(a, s, NeverReturns, p, f, id);
}
HANDLE WINAPI NoThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD) {
  ++Power.createThreadCalls;
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return nullptr;
}
BOOL WINAPI StillRunning(HANDLE, LPDWORD code) {
  ++Power.exitCodeQueries;
  *code = STILL_ACTIVE;
  return TRUE;
}
BOOL WINAPI CannotTerminate(HANDLE, DWORD) {
  SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}
BOOL WINAPI NoToken(HANDLE, DWORD, PHANDLE) {
  SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}

const std::wstring kPrivilegeFailed = L"获取关机权限失败！";
const std::wstring kTimeTooShort = L"关机时间不能留空或者为小于 1 秒！";
const std::wstring kThreadFailed = L"启动计时线程失败！";
const std::wstring kCancelFailed = L"关闭计时线程失败！";

TEST(CountdownFromFields, AddsUpStepByStepClampingTheRunningTotal) {
  const struct {
    int32_t hours, minutes, seconds, total;
  } cases[] = {
      {0, 0, 0, 0},           {0, 0, 90, 90},        {0, 2, -30, 90},       {1, -30, 0, 1800},
      {-1, 30, 0, 1800},      {0, -1, 30, 30},       {0, 0, -5, -5},        {1, 0, 0, 3600},
      {0, 1, -61, -1},        {596523, 0, 0, 2147482800},
      // Beyond the largest count: held there, never wrapped into a short countdown.
      {596524, 0, 0, INT32_MAX}, {1193047, 0, 0, INT32_MAX}, {0, 35791395, 0, INT32_MAX},
      {596523, 14, 0, 2147483640}, {596523, 15, 0, INT32_MAX}, {596523, 13, 7, 2147483587},
      {596523, 13, 1000, INT32_MAX},
      {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CountdownFromFields(c.hours, c.minutes, c.seconds), c.total)
        << c.hours << " h " << c.minutes << " min " << c.seconds << " s";
}

TEST_F(StartCancel, TheTypedTimeDecidesWhatStarts) {
  System.createThread = QuickThread;
  const struct {
    const char *hours, *minutes, *seconds;
    int32_t started;  // 0: the too-short message instead
  } cases[] = {
      {"0", "0", "0", 0},      {"", "", "", 0},         {"1", "-30", "0", 1800}, {"-1", "30", "0", 1800},
      {"0", "0", "90", 90},    {"0", "2", "-30", 90},   {"0", "0", "-5", 0},     {"abc", "1.9", "", 60},
      {"１", "", "", 3600},    {"1193047", "0", "0", INT32_MAX},
      {"4294967296", "", "1", 1},  // typed digits wrap as the conversion reads them
  };
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  Choose(单选框_重启, true);
  size_t boxes = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.hours) + "|" + c.minutes + "|" + c.seconds);
    int calls = Power.createThreadCalls;
    SetTime(c.hours, c.minutes, c.seconds);
    ClickStart();
    if (c.started) {
      EXPECT_EQ(Power.createThreadCalls, calls + 1);
      EXPECT_EQ(CountdownSeconds, c.started);
      EXPECT_EQ(gThreadParameter, 6);
      EXPECT_FALSE(Enabled(按钮_开始));
      EXPECT_TRUE(Enabled(按钮_取消));
      ClickCancel();
      ASSERT_EQ(WorkerThread, nullptr);
    } else {
      EXPECT_EQ(Power.createThreadCalls, calls);
      EXPECT_EQ(CountdownSeconds, 0);
      EXPECT_EQ(WorkerThread, nullptr);
      auto seen = boxes_.Boxes();
      ASSERT_EQ(seen.size(), ++boxes);
      EXPECT_EQ(seen.back().text, kTimeTooShort);
      EXPECT_EQ(seen.back().caption, L"提示");
      EXPECT_FALSE(seen.back().startEnabled);  // both disabled while the handler works
      EXPECT_FALSE(seen.back().cancelEnabled);
    }
    EXPECT_TRUE(Enabled(按钮_开始));
    EXPECT_TRUE(Enabled(按钮_取消));
  }
}

TEST_F(StartCancel, AMissingPrivilegeIsReportedBeforeTheTime) {
  System.openProcessToken = NoToken;
  System.createThread = QuickThread;
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("", "", "");
  ClickStart();
  auto seen = boxes_.Boxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, kPrivilegeFailed);
  EXPECT_TRUE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  EXPECT_EQ(Power.createThreadCalls, 0);
  EXPECT_EQ(GetFileAttributesA(IniPath().c_str()), INVALID_FILE_ATTRIBUTES);  // nothing saved
}

TEST_F(StartCancel, AThreadThatCannotBeCreatedIsReportedAfterTheSave) {
  System.createThread = NoThread;
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  Choose(单选框_关机, false);
  SetTime("0", "5", "0");
  ClickStart();
  auto seen = boxes_.Boxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, kThreadFailed);
  EXPECT_EQ(WorkerThread, nullptr);
  EXPECT_TRUE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  EXPECT_EQ(ReadIni(), "[设置]\r\n类型=1\r\n小时=0\r\n分钟=5\r\n秒钟=0\r\n");
}

TEST_F(StartCancel, AWorkerThatWillNotEndIsStoppedAfterFifteenChecks) {
  System.createThread = StuckThread;
  System.getExitCodeThread = StillRunning;
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("0", "0", "30");
  ClickStart();
  HANDLE worker = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), WorkerThread, GetCurrentProcess(), &worker, 0, FALSE,
                              DUPLICATE_SAME_ACCESS));
  LARGE_INTEGER click = Now();
  ClickCancel();
  EXPECT_GE(Seconds(click, Now()), 14.9);
  EXPECT_EQ(Power.exitCodeQueries, 15);
  EXPECT_EQ(WorkerThread, nullptr);
  EXPECT_EQ(WaitForSingleObject(worker, 1000), WAIT_OBJECT_0);  // terminated
  DWORD code = 99;
  GetExitCodeThread(worker, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(worker);
  EXPECT_TRUE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(StartCancel, AWorkerThatCannotBeStoppedKeepsCancelForAnotherTry) {
  System.createThread = StuckThread;
  System.getExitCodeThread = StillRunning;
  System.terminateThread = CannotTerminate;
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("0", "0", "30");
  ClickStart();
  HANDLE worker = WorkerThread;
  ClickCancel();
  auto seen = boxes_.Boxes();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, kCancelFailed);
  EXPECT_FALSE(seen[0].startEnabled);
  EXPECT_TRUE(seen[0].cancelEnabled);
  EXPECT_EQ(WorkerThread, worker);
  EXPECT_EQ(CancelFlag, 1);
  EXPECT_FALSE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));

  // Once the worker has returned, the next cancel collects it at once.
  System.getExitCodeThread = kRealSystemCalls.getExitCodeThread;
  SetEvent(gHold);
  ASSERT_EQ(WaitForSingleObject(worker, 2000), WAIT_OBJECT_0);
  ClickCancel();
  EXPECT_EQ(WorkerThread, nullptr);
  EXPECT_TRUE(Enabled(按钮_开始));
}

TEST_F(StartCancel, AnUnanswerableExitCodeForgetsTheWorker) {
  System.createThread = StuckThread;
  System.getExitCodeThread = [](HANDLE, LPDWORD) -> BOOL { return FALSE; };
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("0", "0", "30");
  ClickStart();
  ClickCancel();
  EXPECT_EQ(WorkerThread, nullptr);
  EXPECT_TRUE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  SetEvent(gHold);
}

TEST_F(StartCancel, CancelWithoutAWorkerDoesNothing) {
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetDisabled(按钮_开始, true);
  ClickCancel();
  EXPECT_FALSE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  EXPECT_EQ(CancelFlag, 0);
}

}  // namespace
