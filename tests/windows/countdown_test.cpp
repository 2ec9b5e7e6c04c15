// Starting, running and cancelling a countdown in the real window, with real
// threads and timers; only the power call itself is recorded.
#include "power_fixture.h"

#include "power/countdown_state.h"
#include "power/system_calls.h"

namespace {

using Countdown = PowerTest;

TEST_F(Countdown, RunsOutWritesThreeCaptionsThenSavesAndActs) {
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  Choose(单选框_关机, false);
  SetTime("0", "0", "2");
  LARGE_INTEGER start = Now();
  ClickStart();
  EXPECT_FALSE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  ASSERT_TRUE(WorkerThread);

  ASSERT_TRUE(PumpUntil([] { return ExitCallCount() > 0; }, 5000));
  EXPECT_GE(Seconds(start, Now()), 1.99);  // never early
  PumpFor(300);
  std::vector<std::wstring> expected = {L"倒计时：2 秒后关闭系统", L"倒计时：1 秒后关闭系统", L"倒计时：0 秒后关闭系统"};
  EXPECT_EQ(Captions(), expected);
  ASSERT_EQ(ExitCallCount(), 1u);
  EXPECT_EQ(Power.exitCalls[0], std::make_pair(UINT{1}, DWORD{0}));
  EXPECT_EQ(Power.iniWhenActing, "[设置]\r\n类型=1\r\n小时=0\r\n分钟=0\r\n秒钟=2\r\n");

  // The worker ended with exit code 1 and is still known: start stays disabled.
  ASSERT_EQ(WaitForSingleObject(WorkerThread, 2000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeThread(WorkerThread, &code);
  EXPECT_EQ(code, 1u);
  EXPECT_FALSE(Enabled(按钮_开始));

  // Cancel collects the finished worker at once, without a wait.
  LARGE_INTEGER cancel = Now();
  ClickCancel();
  EXPECT_LT(Seconds(cancel, Now()), 0.5);
  EXPECT_EQ(WorkerThread, nullptr);
  EXPECT_TRUE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  EXPECT_EQ(Captions().back(), L"倒计时：0 秒后关闭系统");
}

TEST_F(Countdown, EachChoiceNamesItsActionAndPassesItsFlags) {
  const struct {
    Control radio;
    bool force;
    UINT flags;
    const wchar_t* caption;
  } cases[] = {
      {单选框_注销, false, 0, L"倒计时：0 秒后注销用户"}, {单选框_关机, false, 1, L"倒计时：0 秒后关闭系统"},
      {单选框_重启, false, 2, L"倒计时：0 秒后重启系统"}, {单选框_注销, true, 4, L"倒计时：0 秒后注销用户"},
      {单选框_关机, true, 5, L"倒计时：0 秒后关闭系统"},  {单选框_重启, true, 6, L"倒计时：0 秒后重启系统"},
  };
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("", "", "1");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flags);
    size_t calls = ExitCallCount();
    Choose(c.radio, c.force);
    ClickStart();
    ASSERT_TRUE(PumpUntil([&] { return ExitCallCount() > calls; }, 4000));
    EXPECT_EQ(Power.exitCalls.back(), std::make_pair(c.flags, DWORD{0}));
    EXPECT_EQ(Captions().back(), c.caption);
    ASSERT_EQ(WaitForSingleObject(WorkerThread, 2000), WAIT_OBJECT_0);
    ClickCancel();
    ASSERT_EQ(WorkerThread, nullptr);
  }
}

TEST_F(Countdown, CancelDuringTheThirdSecondStopsWithoutSavingOrActing) {
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  Choose(单选框_关机, false);
  SetTime("0", "0", "10");
  ClickStart();
  EXPECT_EQ(ReadIni(), "[设置]\r\n类型=1\r\n小时=0\r\n分钟=0\r\n秒钟=10\r\n");  // saved on start
  ASSERT_TRUE(DeleteFileA(IniPath().c_str()));
  ASSERT_TRUE(PumpUntil([] { return Captions().size() == 3; }, 5000));  // 10, 9, 8: in the third second
  PumpFor(300);

  LARGE_INTEGER click = Now();
  ClickCancel();
  double took = Seconds(click, Now());
  EXPECT_LT(took, 1.5);  // the worker notices at the end of the second it is in
  EXPECT_EQ(WorkerThread, nullptr);
  EXPECT_TRUE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  EXPECT_EQ(Captions().back(), L"倒计时：7 秒后关闭系统");
  EXPECT_EQ(CancelFlag, 1);

  PumpFor(1500);
  EXPECT_EQ(ExitCallCount(), 0u);
  EXPECT_EQ(GetFileAttributesA(IniPath().c_str()), INVALID_FILE_ATTRIBUTES);  // no save after the cancel
  EXPECT_EQ(WideTextOf(ControlWindow(标签4)), L"倒计时：7 秒后关闭系统");
}

TEST_F(Countdown, CancelRightAfterStartGivesBothButtonsBackWithinASecond) {
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("1", "0", "0");
  ClickStart();
  ClickCancel();
  EXPECT_EQ(WorkerThread, nullptr);
  EXPECT_TRUE(Enabled(按钮_开始));
  EXPECT_TRUE(Enabled(按钮_取消));
  // Whether the worker had begun its first second decides which caption it wrote last.
  std::wstring last = Captions().back();
  EXPECT_TRUE(last == L"倒计时：3600 秒后注销用户" || last == L"倒计时：3599 秒后注销用户") << Gbk(last);
  PumpFor(1200);
  EXPECT_EQ(WideTextOf(ControlWindow(标签4)), last);
  EXPECT_EQ(ExitCallCount(), 0u);
}

TEST_F(Countdown, StartDoesNothingWhileAWorkerIsKnown) {
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("0", "0", "1");
  ClickStart();
  ASSERT_TRUE(PumpUntil([] { return ExitCallCount() == 1; }, 4000));
  HANDLE worker = WorkerThread;
  SetDisabled(按钮_开始, false);
  SetTime("0", "0", "5");
  ClickStart();
  EXPECT_EQ(WorkerThread, worker);
  EXPECT_EQ(CountdownSeconds, 1);
  PumpFor(1500);
  EXPECT_EQ(ExitCallCount(), 1u);
}

TEST_F(Countdown, ChangingTheChoiceMidwayChangesWhatIsSavedNotWhatIsDone) {
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  Choose(单选框_重启, false);
  SetTime("0", "0", "2");
  ClickStart();
  PumpFor(300);
  Choose(单选框_注销, true);
  SetContent(编辑框_分, "45");
  ASSERT_TRUE(PumpUntil([] { return ExitCallCount() == 1; }, 4000));
  EXPECT_EQ(Power.exitCalls[0].first, 2u);
  EXPECT_EQ(Power.iniWhenActing, "[设置]\r\n类型=4\r\n小时=0\r\n分钟=45\r\n秒钟=2\r\n");
}

TEST_F(Countdown, ClosingTheWindowStopsTheActionEvenInTheLastSecond) {
  for (DWORD closeAfter : {300u, 900u, 980u}) {
    SCOPED_TRACE(closeAfter);
    ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
    SetTime("0", "0", "1");
    ClickStart();
    PumpFor(closeAfter);
    SendMessageW(MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(MainWindow()));
    ASSERT_EQ(WaitForSingleObject(WorkerThread, 3000), WAIT_OBJECT_0);
    PumpFor(200);
    EXPECT_EQ(ExitCallCount(), 0u);
    CloseHandle(WorkerThread);
    WorkerThread = nullptr;
    DiscardQuit();
  }
}

TEST_F(Countdown, KeepsTheComputerAwakeFromTheWorkerThreadOnly) {
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("0", "0", "3");
  ClickStart();
  ASSERT_TRUE(PumpUntil([] { return !Captions().empty(); }, 2000));
  DWORD workerId = GetThreadId(WorkerThread);
  ClickCancel();
  ASSERT_EQ(WorkerThread, nullptr);
  std::lock_guard<std::mutex> hold(Power.lock);
  ASSERT_EQ(Power.executionStates.size(), 1u);
  EXPECT_EQ(Power.executionStates[0], static_cast<EXECUTION_STATE>(ES_CONTINUOUS | ES_SYSTEM_REQUIRED));
  EXPECT_EQ(Power.executionStateThreads[0], workerId);
  EXPECT_EQ(Power.timersBeforeState[0], 0);  // before its first one-second wait
  EXPECT_NE(Power.executionStateThreads[0], GetCurrentThreadId());
}

}  // namespace
