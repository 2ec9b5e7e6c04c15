// Races, run many times with random timing by scripts/races.sh (not part of the
// test command: about five minutes). RUDIV_RACE_RUNS sets the count (default 50).
#include "power_fixture.h"

#include <cstdlib>
#include <random>

#include "power/countdown_state.h"

namespace {

int Runs() {
  const char* runs = std::getenv("RUDIV_RACE_RUNS");
  return runs ? std::atoi(runs) : 50;
}

std::mt19937 Random() {
  unsigned seed = static_cast<unsigned>(GetTickCount());
  std::printf("seed %u\n", seed);
  return std::mt19937(seed);
}

using Races = PowerTest;

TEST_F(Races, ClosingInTheLastSecondNeverActs) {
  auto random = Random();
  int actions = 0;
  for (int run = 0; run < Runs(); ++run) {
    DWORD closeAt = 1000 + random() % 1000;  // within the last second of two
    ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
    SetTime("0", "0", "2");
    DWORD start = GetTickCount();
    ClickStart();
    PumpUntil([&] { return GetTickCount() - start >= closeAt; }, 3000);
    SendMessageW(MainWindow(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(MainWindow()));
    ASSERT_EQ(WaitForSingleObject(WorkerThread, 3000), WAIT_OBJECT_0);
    PumpFor(100);
    actions += static_cast<int>(ExitCallCount());
    std::printf("run %2d: closed after %4lu ms, %zu actions\n", run + 1, closeAt, ExitCallCount());
    CloseHandle(WorkerThread);
    WorkerThread = nullptr;
    DiscardQuit();
    std::lock_guard<std::mutex> hold(Power.lock);
    Power.exitCalls.clear();
  }
  std::printf("%d runs, %d power actions\n", Runs(), actions);
  EXPECT_EQ(actions, 0);
}

TEST_F(Races, CancellingAtAnyMomentNeverActsAndGivesBothButtonsBack) {
  auto random = Random();
  int actions = 0, buttonsBack = 0;
  ASSERT_NO_FATAL_FAILURE(OpenProgramWindow());
  SetTime("0", "0", "3");
  for (int run = 0; run < Runs(); ++run) {
    DWORD cancelAt = random() % 2950;  // before the third second is over
    DWORD start = GetTickCount();
    ClickStart();
    PumpUntil([&] { return GetTickCount() - start >= cancelAt; }, 4000);
    ClickCancel();
    PumpFor(1200);  // past any second the worker was still in
    bool back = Enabled(按钮_开始) && Enabled(按钮_取消) && WorkerThread == nullptr;
    buttonsBack += back;
    actions += static_cast<int>(ExitCallCount());
    std::printf("run %2d: cancelled after %4lu ms, %zu actions, buttons %s\n", run + 1, cancelAt, ExitCallCount(),
                back ? "back" : "NOT back");
    std::lock_guard<std::mutex> hold(Power.lock);
    Power.exitCalls.clear();
  }
  std::printf("%d runs, %d power actions, buttons back %d times\n", Runs(), actions, buttonsBack);
  EXPECT_EQ(actions, 0);
  EXPECT_EQ(buttonsBack, Runs());
}

}  // namespace
