// power_fixture.h: the real window with the real handlers, threads and timers;
// the power call itself is recorded instead of made.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "settings_file.h"
#include "window_fixture.h"

// What the program asked of the system through the test seam.
struct PowerLog {
  std::mutex lock;
  std::vector<std::pair<UINT, DWORD>> exitCalls;  // flags, reason
  std::string iniWhenActing;                       // the settings file at the moment of the call
  std::vector<DWORD> executionStateThreads;
  std::vector<EXECUTION_STATE> executionStates;
  std::vector<int> timersBeforeState;  // timers the calling thread had created before its request
  std::atomic<int> createThreadCalls{0};
  std::atomic<int> exitCodeQueries{0};
};
extern PowerLog Power;

// Closes every message box the window's thread shows, recording its text and
// the two buttons' states at that moment.
class MessageBoxWatcher {
 public:
  struct Seen {
    std::wstring text, caption;
    bool startEnabled, cancelEnabled;
  };
  void Start(DWORD windowThread);
  void Stop();
  std::vector<Seen> Boxes();

 private:
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::mutex lock_;
  std::vector<Seen> seen_;
};

class PowerTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  void OpenProgramWindow();  // the program's own four handlers
  void SetTime(const char* hours, const char* minutes, const char* seconds);
  void Choose(Control radio, bool force);
  void ClickStart();
  void ClickCancel();

  // Runs the window's events until the condition holds or the time is up.
  template <class Condition>
  static bool PumpUntil(Condition condition, DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (!condition()) {
      if (GetTickCount() - start > milliseconds) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      ProcessPendingEvents();
    }
    return true;
  }
  static void PumpFor(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
  }

  // Every caption written into 标签4 since the window opened, in order.
  static std::vector<std::wstring> Captions();
  static size_t ExitCallCount();
  static bool Enabled(Control button) { return IsWindowEnabled(ControlWindow(button)) != FALSE; }

  MessageBoxWatcher boxes_;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to);
LARGE_INTEGER Now();
