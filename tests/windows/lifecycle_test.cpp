// Closing the window, ending the session, the exit routines and the run directory.
#include "window_fixture.h"

#include "app/exit_routines.h"
#include "app/run_directory.h"

namespace {

using Lifecycle = WindowTest;

bool QuitPosted(WPARAM* code) {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  *code = msg.wParam;
  return true;
}

TEST_F(Lifecycle, CloseWithoutAVerdictDestroysTheWindowAndQuitsWithZero) {
  for (Verdict verdict : {Verdict::None, Verdict::Yes}) {
    ASSERT_NO_FATAL_FAILURE(OpenRecording());
    Events.verdict = verdict;
    SendMessageW(MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Events.canBeClosed, 1);
    EXPECT_FALSE(IsWindow(MainWindow()));
    EXPECT_TRUE(MainWindowClosing());
    WPARAM code = 99;
    EXPECT_TRUE(QuitPosted(&code));
    EXPECT_EQ(code, 0u);
    Events = EventLog{};
  }
}

TEST_F(Lifecycle, AnExplicitNoKeepsTheWindowOpenAndRefusesTheSessionEnd) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  Events.verdict = Verdict::No;
  SendMessageW(MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(MainWindow()));
  EXPECT_FALSE(MainWindowClosing());
  EXPECT_EQ(SendMessageW(MainWindow(), WM_QUERYENDSESSION, 0, 0), FALSE);
  EXPECT_EQ(Events.canBeClosed, 2);

  Events.verdict = Verdict::None;
  EXPECT_EQ(SendMessageW(MainWindow(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(Events.canBeClosed, 3);
  EXPECT_TRUE(IsWindow(MainWindow()));  // answering the question closes nothing
}

TEST_F(Lifecycle, AltF4AndTheSystemMenuCloseTheWindow) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  INPUT inputs[4] = {};
  const WORD keys[] = {VK_MENU, VK_F4};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i < 2 ? i : 3 - i];
    inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  ASSERT_EQ(SendInput(4, inputs, sizeof(INPUT)), 4u);
  Pump();
  EXPECT_EQ(Events.canBeClosed, 1);
  EXPECT_FALSE(IsWindow(MainWindow()));

  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  SendMessageW(MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_EQ(Events.canBeClosed, 2);
  EXPECT_FALSE(IsWindow(MainWindow()));
}

TEST_F(Lifecycle, WithoutHandlersTheWindowStillCloses) {
  ASSERT_NO_FATAL_FAILURE(Open({}));
  SendMessageW(MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(MainWindow()));
}

int gOrder[4];
int gCalls = 0;
void First() { gOrder[gCalls++] = 1; }
void Second() { gOrder[gCalls++] = 2; }

TEST(ExitRoutines, RunOnceEachInRegistrationOrderThenTheListIsEmpty) {
  RegisterExitRoutine(First);
  RegisterExitRoutine(Second);
  RegisterExitRoutine(First);  // already listed
  RunExitRoutines();
  ASSERT_EQ(gCalls, 2);
  EXPECT_EQ(gOrder[0], 1);
  EXPECT_EQ(gOrder[1], 2);
  RunExitRoutines();
  EXPECT_EQ(gCalls, 2);
}

bool Gbk936Lead(unsigned char b) { return IsDBCSLeadByteEx(936, b) != FALSE; }

TEST(RunDirectory, CutsAtTheLastRealBackslash) {
  const struct {
    const char* path;
    const char* directory;
  } cases[] = {
      {"C:\\Tools\\RudivAdodavuv.exe", "C:\\Tools"},
      {"C:\\RudivAdodavuv.exe", "C:"},
      {"\\\\server\\share\\x.exe", "\\\\server\\share"},
      // 乗 is 81 5C: its trail byte is no separator.
      {"C:\\\x81\x5C\\x.exe", "C:\\\x81\x5C"},
      {"C:\\a\\\x81\x5C.exe", "C:\\a"},
      {"D:\\\x81\x5C\x81\x5C", "D:"},
      {"x.exe", ""},
  };
  for (const auto& c : cases)
    EXPECT_STREQ(DirectoryOfPath(c.path, strlen(c.path), Gbk936Lead).c_str(), c.directory) << c.path;
}

TEST(RunDirectory, IsTheFolderOfTheRunningExe) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  ASSERT_GT(n, 0u);
  std::string expected(path, n);
  expected.erase(expected.rfind('\\'));
  EXPECT_EQ(GetRunDirectory().c_str(), expected);
  EXPECT_NE(expected.back(), '\\');
}

}  // namespace
