// Run under a Western code page (1252): the program's GBK texts must still
// reach the window system as the right Chinese characters.
#include "window_fixture.h"

#include <thread>

namespace {

using OtherCodePage = WindowTest;

TEST_F(OtherCodePage, EveryTextReadsBackAsChinese) {
  ASSERT_EQ(GetACP(), 1252u) << "this test must run with LC_ALL=en_US.UTF-8";
  ASSERT_NO_FATAL_FAILURE(Open({}));
  EXPECT_EQ(WideTextOf(MainWindow()), L"倒计时关机");
  const struct {
    Control control;
    const wchar_t* text;
  } cases[] = {
      {按钮_开始, L"开始计时"}, {按钮_取消, L"取消计时"}, {分组框1, L"关机参数"}, {单选框_注销, L"注销"},
      {单选框_关机, L"关机"},   {单选框_重启, L"重启"},   {选择框_强制终止, L"强制终止进程"},
      {标签1, L"小时"},         {标签2, L"分钟"},         {标签3, L"秒"},   {标签4, L"倒计时：-1 秒"},
  };
  for (const auto& c : cases) EXPECT_EQ(WideTextOf(Hwnd(c.control)), c.text) << c.control;

  SetCaption(标签4, "倒计时：5 秒后重启系统");
  EXPECT_EQ(WideTextOf(Hwnd(标签4)), L"倒计时：5 秒后重启系统");
  SetContent(编辑框_时, "１２");
  EXPECT_EQ(WideTextOf(Hwnd(编辑框_时)), L"１２");
  EXPECT_STREQ(GetContent(编辑框_时).c_str(), "１２");
}

TEST_F(OtherCodePage, TheMessageBoxReadsAsChinese) {
  ASSERT_EQ(GetACP(), 1252u);
  ASSERT_NO_FATAL_FAILURE(Open({}));
  std::wstring caption, text;
  DWORD windowThread = GetCurrentThreadId();
  std::thread watcher([&] {
    for (int i = 0; i < 500; ++i) {
      if (HWND box = FindMessageBox(windowThread)) {
        Sleep(30);
        wchar_t buffer[256];
        GetWindowTextW(box, buffer, 256);
        caption = buffer;
        GetDlgItemTextW(box, 0xFFFF, buffer, 256);
        text = buffer;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  });
  ShowMessage("关机时间不能留空或者为小于 1 秒！");
  watcher.join();
  EXPECT_EQ(caption, L"提示");
  EXPECT_EQ(text, L"关机时间不能留空或者为小于 1 秒！");
}

}  // namespace
