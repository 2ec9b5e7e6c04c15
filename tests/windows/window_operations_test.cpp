// The window operations, from the window's thread and from another thread.
#include "window_fixture.h"

#include <atomic>
#include <thread>

namespace {

using WindowOperations = WindowTest;

TEST_F(WindowOperations, SetCheckedLeavesTheCheckBoxAClickUnchecksTheOtherRadios) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  // Whether checking a radio button from code unchecks its siblings differs
  // between systems (Wine does); the program always writes all three.
  SetChecked(选择框_强制终止, false);
  SetChecked(单选框_关机, true);
  EXPECT_TRUE(GetChecked(单选框_关机));
  EXPECT_FALSE(GetChecked(选择框_强制终止));
  SetChecked(单选框_关机, false);
  EXPECT_FALSE(GetChecked(单选框_关机));

  SetChecked(选择框_强制终止, true);
  SendMessageW(Hwnd(单选框_重启), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(GetChecked(单选框_注销));
  EXPECT_FALSE(GetChecked(单选框_关机));
  EXPECT_TRUE(GetChecked(单选框_重启));
  EXPECT_TRUE(GetChecked(选择框_强制终止));

  SendMessageW(Hwnd(选择框_强制终止), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(GetChecked(选择框_强制终止));
  EXPECT_TRUE(GetChecked(单选框_重启));
}

TEST_F(WindowOperations, ContentAndCaptionCarryGbkTextBothWays) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  SetContent(编辑框_时, "１２ 设置");
  EXPECT_EQ(WideTextOf(Hwnd(编辑框_时)), L"１２ 设置");
  EXPECT_EQ(std::string(GetContent(编辑框_时).c_str()), "１２ 设置");
  SetContent(编辑框_时, "");
  EXPECT_TRUE(GetContent(编辑框_时).empty());

  SetCaption(标签4, "倒计时：90 秒后关闭系统");
  EXPECT_EQ(WideTextOf(Hwnd(标签4)), L"倒计时：90 秒后关闭系统");

  SetDisabled(按钮_开始, true);
  EXPECT_FALSE(IsWindowEnabled(Hwnd(按钮_开始)));
  SetDisabled(按钮_开始, false);
  EXPECT_TRUE(IsWindowEnabled(Hwnd(按钮_开始)));
}

TEST_F(WindowOperations, WorkFromAnotherThreadWhileTheWindowThreadHandlesEvents) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  SetContent(编辑框_分, "30");
  SetChecked(单选框_重启, true);
  std::atomic<bool> done{false};
  std::string content;
  bool checked = false;
  std::thread worker([&] {
    SetCaption(标签4, "倒计时：1 秒后重启系统");
    content = GetContent(编辑框_分).c_str();
    checked = GetChecked(单选框_重启);
    done = true;
  });
  for (int i = 0; i < 500 && !done; ++i) {
    Sleep(5);
    ProcessPendingEvents();
  }
  worker.join();
  EXPECT_EQ(WideTextOf(Hwnd(标签4)), L"倒计时：1 秒后重启系统");
  EXPECT_EQ(content, "30");
  EXPECT_TRUE(checked);
}

TEST_F(WindowOperations, ProcessPendingEventsHandlesWhatIsQueuedAndLeavesTheQuit) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  PostMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(按钮_开始, BN_CLICKED), 0);
  PostQuitMessage(7);
  PostMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(按钮_取消, BN_CLICKED), 0);
  ProcessPendingEvents();
  EXPECT_EQ(Events.startClicked, 1);
  EXPECT_EQ(Events.cancelClicked, 1);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(ProcessPendingEventsAlone, ReturnsAtOnceOnAThreadWithoutWindows) {
  std::thread([] {
    DWORD start = GetTickCount();
    ProcessPendingEvents();
    EXPECT_LT(GetTickCount() - start, 1000u);
  }).join();
}

// Watches for the message box from another thread, records it and closes it.
struct MessageBoxSeen {
  std::wstring caption, text;
  HWND owner = nullptr;
  bool ownerDisabled = false;
  bool informationIcon = false;
  bool oneButton = false;
};

MessageBoxSeen ShowAndRead(const Text& text) {
  MessageBoxSeen seen;
  DWORD windowThread = GetCurrentThreadId();
  std::thread watcher([&] {
    for (int i = 0; i < 1000; ++i) {
      if (HWND box = FindMessageBox(windowThread)) {
        Sleep(50);  // let the modal loop start
        wchar_t buffer[256];
        GetWindowTextW(box, buffer, 256);
        seen.caption = buffer;
        GetDlgItemTextW(box, 0xFFFF, buffer, 256);
        seen.text = buffer;
        seen.owner = GetWindow(box, GW_OWNER);
        seen.ownerDisabled = seen.owner && !IsWindowEnabled(seen.owner);
        EnumChildWindows(
            box,
            [](HWND child, LPARAM info) {
              HICON shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
              if (shown && shown == LoadIconW(nullptr, MAKEINTRESOURCEW(32516)))  // IDI_INFORMATION
                *reinterpret_cast<bool*>(info) = true;
              return TRUE;
            },
            reinterpret_cast<LPARAM>(&seen.informationIcon));
        seen.oneButton = GetDlgItem(box, IDOK) && !GetDlgItem(box, IDCANCEL) && !GetDlgItem(box, IDNO);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  });
  ShowMessage(text);
  watcher.join();
  return seen;
}

TEST_F(WindowOperations, ShowMessageIsAnInformationBoxTitledTipOwnedByTheWindow) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  MessageBoxSeen seen = ShowAndRead("获取关机权限失败！");
  EXPECT_EQ(seen.caption, L"提示");
  EXPECT_EQ(seen.text, L"获取关机权限失败！");
  EXPECT_EQ(seen.owner, MainWindow());
  EXPECT_TRUE(seen.ownerDisabled);
  EXPECT_TRUE(seen.informationIcon);
  EXPECT_TRUE(seen.oneButton);
  EXPECT_TRUE(IsWindowEnabled(MainWindow()));

  DestroyWindow(MainWindow());
  DiscardQuit();  // a pending WM_QUIT would end any modal loop at once
  seen = ShowAndRead("启动计时线程失败！");
  EXPECT_EQ(seen.text, L"启动计时线程失败！");
  EXPECT_EQ(seen.owner, nullptr);
}

}  // namespace
