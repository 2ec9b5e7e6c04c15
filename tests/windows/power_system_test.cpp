// The shutdown privilege and the event-pumping delay, against the real system,
// with failures injected through the seam.
#include "power_fixture.h"

#include "power/countdown_state.h"
#include "power/delay.h"
#include "power/privilege.h"
#include "power/system_calls.h"

namespace {

// --- the shutdown privilege ----------------------------------------------------

struct PrivilegeCalls {
  int opens = 0;
  DWORD access = 0;
  HANDLE token = nullptr;
  std::string name;
  bool systemNameNull = false;
  TOKEN_PRIVILEGES request{};
  BOOL disableAll = TRUE;
  DWORD bufferLength = 99;
  bool previousNull = false, returnLengthNull = false;
  BOOL lookupResult = TRUE, adjustResult = TRUE;
  DWORD lastErrorAfterAdjust = 0;
} gCalls;

BOOL WINAPI RecordOpen(HANDLE process, DWORD access, PHANDLE token) {
  ++gCalls.opens;
  gCalls.access = access;
  BOOL opened = kRealSystemCalls.openProcessToken(process, access, token);
  gCalls.token = *token;
  return opened;
}
BOOL WINAPI RecordLookup(LPCSTR system, LPCSTR name, PLUID luid) {
  gCalls.systemNameNull = system == nullptr;
  gCalls.name = name;
  if (!gCalls.lookupResult) return FALSE;
  return kRealSystemCalls.lookupPrivilegeValue(system, name, luid);
}
BOOL WINAPI RecordAdjust(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES request, DWORD length,
                         PTOKEN_PRIVILEGES previous, PDWORD returnLength) {
  gCalls.disableAll = disableAll;
  gCalls.request = *request;
  gCalls.bufferLength = length;
  gCalls.previousNull = previous == nullptr;
  gCalls.returnLengthNull = returnLength == nullptr;
  if (!gCalls.adjustResult) return FALSE;
  BOOL adjusted = kRealSystemCalls.adjustTokenPrivileges(token, disableAll, request, length, previous, returnLength);
  SetLastError(gCalls.lastErrorAfterAdjust);
  return adjusted;
}
BOOL WINAPI RefuseOpen(HANDLE, DWORD, PHANDLE) { return FALSE; }

bool HandleIsOpen(HANDLE h) {
  DWORD flags;
  return GetHandleInformation(h, &flags) != FALSE;
}

bool ShutdownPrivilegeEnabled() {
  HANDLE token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  char buffer[4096];
  DWORD length = 0;
  bool enabled = false;
  LUID shutdown;
  if (GetTokenInformation(token, TokenPrivileges, buffer, sizeof buffer, &length) &&
      LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown)) {
    auto* privileges = reinterpret_cast<TOKEN_PRIVILEGES*>(buffer);
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i)
      if (privileges->Privileges[i].Luid.LowPart == shutdown.LowPart &&
          privileges->Privileges[i].Luid.HighPart == shutdown.HighPart)
        enabled = privileges->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED;
  }
  CloseHandle(token);
  return enabled;
}

class Privilege : public testing::Test {
 protected:
  void SetUp() override {
    gCalls = PrivilegeCalls{};
    System = kRealSystemCalls;
    System.openProcessToken = RecordOpen;
    System.lookupPrivilegeValue = RecordLookup;
    System.adjustTokenPrivileges = RecordAdjust;
  }
  void TearDown() override { System = kRealSystemCalls; }
};

TEST_F(Privilege, IsEnabledInTheProcessTokenWithTheExactRequest) {
  EXPECT_TRUE(EnableShutdownPrivilege(GetCurrentProcess()));
  EXPECT_TRUE(ShutdownPrivilegeEnabled());
  EXPECT_EQ(gCalls.access, 0x28u);
  EXPECT_TRUE(gCalls.systemNameNull);
  EXPECT_EQ(gCalls.name, "SeShutdownPrivilege");
  EXPECT_EQ(gCalls.disableAll, FALSE);
  EXPECT_EQ(gCalls.request.PrivilegeCount, 1u);
  EXPECT_EQ(gCalls.request.Privileges[0].Attributes, 2u);
  EXPECT_EQ(gCalls.bufferLength, 0u);
  EXPECT_TRUE(gCalls.previousNull);
  EXPECT_TRUE(gCalls.returnLengthNull);
  EXPECT_FALSE(HandleIsOpen(gCalls.token));
}

TEST_F(Privilege, EachCallOpensAndClosesTheTokenAnew) {
  EXPECT_TRUE(EnableShutdownPrivilege(GetCurrentProcess()));
  HANDLE first = gCalls.token;
  EXPECT_TRUE(EnableShutdownPrivilege(GetCurrentProcess()));
  EXPECT_EQ(gCalls.opens, 2);
  EXPECT_FALSE(HandleIsOpen(first));
  EXPECT_FALSE(HandleIsOpen(gCalls.token));
}

TEST_F(Privilege, SuccessIsJudgedByTheAdjustmentAloneNotTheLastError) {
  gCalls.lastErrorAfterAdjust = ERROR_NOT_ALL_ASSIGNED;
  EXPECT_TRUE(EnableShutdownPrivilege(GetCurrentProcess()));
}

TEST_F(Privilege, EveryFailingStepGivesFalseAndClosesAnOpenedToken) {
  System.openProcessToken = RefuseOpen;
  EXPECT_FALSE(EnableShutdownPrivilege(GetCurrentProcess()));
  EXPECT_EQ(gCalls.name, "");  // nothing after the failed open

  System.openProcessToken = RecordOpen;
  gCalls.lookupResult = FALSE;
  EXPECT_FALSE(EnableShutdownPrivilege(GetCurrentProcess()));
  EXPECT_FALSE(HandleIsOpen(gCalls.token));

  gCalls.lookupResult = TRUE;
  gCalls.adjustResult = FALSE;
  EXPECT_FALSE(EnableShutdownPrivilege(GetCurrentProcess()));
  EXPECT_FALSE(HandleIsOpen(gCalls.token));
}

// --- the delay -------------------------------------------------------------------

struct DelayCalls {
  HANDLE timer = nullptr;
  LONGLONG due = 0;
  LONG period = -1;
  BOOL manualReset = TRUE;
  DWORD wakeMask = 0, timeout = 0;
  int waits = 0;
  bool failCreate = false, failArm = false, failWait = false;
} gDelay;

HANDLE WINAPI RecordCreateTimer(LPSECURITY_ATTRIBUTES security, BOOL manualReset, LPCSTR name) {
  gDelay.manualReset = manualReset;
  if (gDelay.failCreate) return nullptr;
  gDelay.timer = kRealSystemCalls.createWaitableTimer(security, manualReset, name);
  return gDelay.timer;
}
BOOL WINAPI RecordArm(HANDLE timer, const LARGE_INTEGER* due, LONG period, PTIMERAPCROUTINE routine, LPVOID argument,
                      BOOL resume) {
  gDelay.due = due->QuadPart;
  gDelay.period = period;
  if (gDelay.failArm) return FALSE;
  return kRealSystemCalls.setWaitableTimer(timer, due, period, routine, argument, resume);
}
DWORD WINAPI RecordWait(DWORD count, const HANDLE* handles, BOOL all, DWORD timeout, DWORD mask) {
  ++gDelay.waits;
  gDelay.wakeMask = mask;
  gDelay.timeout = timeout;
  if (gDelay.failWait) return WAIT_FAILED;
  return kRealSystemCalls.msgWaitForMultipleObjects(count, handles, all, timeout, mask);
}

class Delay : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    gDelay = DelayCalls{};
    System = kRealSystemCalls;
    System.createWaitableTimer = RecordCreateTimer;
    System.setWaitableTimer = RecordArm;
    System.msgWaitForMultipleObjects = RecordWait;
  }
  void TearDown() override {
    System = kRealSystemCalls;
    WindowTest::TearDown();
  }
};

TEST_F(Delay, WaitsTheFullTimeOnAOneShotTimerAndClosesIt) {
  std::thread([] {  // a thread without windows: a plain sleep
    LARGE_INTEGER start = Now();
    EXPECT_TRUE(DelayWithEvents(1000));
    EXPECT_GE(Seconds(start, Now()), 0.995);
  }).join();
  EXPECT_EQ(gDelay.due, -10000000);
  EXPECT_EQ(gDelay.period, 0);
  EXPECT_EQ(gDelay.manualReset, FALSE);
  EXPECT_EQ(gDelay.wakeMask, 0xFFu);
  EXPECT_EQ(gDelay.timeout, INFINITE);
  EXPECT_EQ(gDelay.waits, 1);
  EXPECT_FALSE(HandleIsOpen(gDelay.timer));
}

TEST_F(Delay, DueTimeIsTheMillisecondsInHundredNanosecondUnitsBeforeNow) {
  gDelay.failArm = true;  // only the computed due time matters here
  const struct {
    int32_t milliseconds;
    LONGLONG due;
  } cases[] = {{1, -10000}, {1000, -10000000}, {INT32_MAX, -21474836470000LL}, {0, 0}};
  for (const auto& c : cases) {
    EXPECT_FALSE(DelayWithEvents(c.milliseconds));
    EXPECT_EQ(gDelay.due, c.due) << c.milliseconds;
  }
}

TEST_F(Delay, FailuresReturnFalseAtOnceAndCloseTheTimer) {
  const struct {
    const char* name;
    bool create, arm, wait;
  } cases[] = {{"create", true, false, false}, {"arm", false, true, false}, {"wait", false, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gDelay = DelayCalls{};
    gDelay.failCreate = c.create;
    gDelay.failArm = c.arm;
    gDelay.failWait = c.wait;
    LARGE_INTEGER start = Now();
    EXPECT_FALSE(DelayWithEvents(1000));
    EXPECT_LT(Seconds(start, Now()), 0.5);
    if (gDelay.timer) EXPECT_FALSE(HandleIsOpen(gDelay.timer));
    EXPECT_EQ(gDelay.waits, c.wait ? 1 : 0);
  }
}

TEST_F(Delay, HandlesAStreamOfMessagesWithoutEndingEarly) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  std::atomic<bool> stop{false};
  std::thread poster([&] {
    while (!stop) {
      PostMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(按钮_开始, BN_CLICKED), 0);
      Sleep(2);
    }
  });
  LARGE_INTEGER start = Now();
  EXPECT_TRUE(DelayWithEvents(1000));
  double took = Seconds(start, Now());
  stop = true;
  poster.join();
  EXPECT_GE(took, 0.995);
  EXPECT_GT(Events.startClicked, 50);  // handled while waiting, not after
  EXPECT_GT(gDelay.waits, 50);
}

TEST_F(Delay, ServesAnotherThreadsWindowOperationWhileWaiting) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  LARGE_INTEGER start = Now();
  std::atomic<double> servedAt{-1};
  std::thread worker([&] {
    Sleep(100);
    SetCaption(标签4, "倒计时：5 秒后关闭系统");
    servedAt = Seconds(start, Now());
  });
  EXPECT_TRUE(DelayWithEvents(1000));
  worker.join();
  EXPECT_GE(servedAt, 0.0);
  EXPECT_LT(servedAt, 0.6);  // served during the wait, not after it
  EXPECT_EQ(WideTextOf(Hwnd(标签4)), L"倒计时：5 秒后关闭系统");
}

// --- the worker when a wait fails ------------------------------------------------

using CountdownWithoutTimer = PowerTest;

TEST_F(CountdownWithoutTimer, StillTakesItsFullTime) {
  System.createWaitableTimer = [](LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) -> HANDLE { return nullptr; };
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("0", "0", "2");
  LARGE_INTEGER start = Now();
  ClickStart();
  ASSERT_TRUE(PumpUntil([] { return ExitCallCount() == 1; }, 5000));
  EXPECT_GE(Seconds(start, Now()), 1.99);
  EXPECT_EQ(Captions().size(), 3u);
}

}  // namespace
