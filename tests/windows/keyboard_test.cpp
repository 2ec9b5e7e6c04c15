// Real key strokes: the Tab order, the radio-button arrows, Space, Enter, Esc, F1,
// and the time boxes' input filter.
#include "window_fixture.h"

namespace {

using Keyboard = WindowTest;

const Control kForwardOrder[] = {按钮_开始, 单选框_注销, 单选框_关机, 单选框_重启, 选择框_强制终止,
                                 编辑框_时, 编辑框_分, 编辑框_秒, 按钮_取消, 按钮_开始};

TEST_F(Keyboard, TabVisitsTheControlsInOrderAndWraps) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  SetChecked(单选框_注销, true);
  ASSERT_EQ(FocusedControl(), 按钮_开始);
  for (size_t i = 1; i < std::size(kForwardOrder); ++i) {
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedControl(), kForwardOrder[i]) << "after Tab " << i;
  }
  for (size_t i = std::size(kForwardOrder) - 1; i > 0; --i) {
    PressKey(VK_TAB, true);
    EXPECT_EQ(FocusedControl(), kForwardOrder[i - 1]) << "after Shift+Tab from " << kForwardOrder[i];
  }
}

TEST_F(Keyboard, TabSkipsDisabledControlsAndLeavesTheChoiceAlone) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  SetChecked(单选框_注销, true);
  SetDisabled(按钮_取消, true);
  EnableWindow(Hwnd(编辑框_分), FALSE);
  SetFocus(Hwnd(编辑框_时));
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), 编辑框_秒);
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), 按钮_开始);
  PressKey(VK_TAB);  // through all three radio buttons: none gets checked by focus alone
  PressKey(VK_TAB);
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), 单选框_重启);
  EXPECT_TRUE(GetChecked(单选框_注销));
  EXPECT_FALSE(GetChecked(单选框_关机));
  EXPECT_FALSE(GetChecked(单选框_重启));
}

TEST_F(Keyboard, ArrowsMoveFocusAndCheckAmongRadioButtons) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  SetChecked(单选框_注销, true);
  SetChecked(选择框_强制终止, true);
  SetFocus(Hwnd(单选框_注销));
  const struct {
    WORD key;
    Control lands;
  } steps[] = {
      {VK_RIGHT, 单选框_关机}, {VK_DOWN, 单选框_重启}, {VK_RIGHT, 单选框_注销},  // wraps forward
      {VK_LEFT, 单选框_重启},  {VK_UP, 单选框_关机},   {VK_UP, 单选框_注销},
  };
  for (const auto& step : steps) {
    PressKey(step.key);
    EXPECT_EQ(FocusedControl(), step.lands);
    for (Control radio : {单选框_注销, 单选框_关机, 单选框_重启})
      EXPECT_EQ(GetChecked(radio), radio == step.lands) << radio << " after key " << step.key;
  }
  EXPECT_TRUE(GetChecked(选择框_强制终止));  // the check box is not part of the ring
}

TEST_F(Keyboard, SpaceClicksTheFocusedButtonEnterEscAndF1DoNothing) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  ASSERT_EQ(FocusedControl(), 按钮_开始);
  for (WORD key : {VK_RETURN, VK_ESCAPE, VK_F1}) {
    PressKey(key);
    EXPECT_EQ(FocusedControl(), 按钮_开始) << key;
  }
  EXPECT_EQ(Events.startClicked, 0);
  EXPECT_EQ(Events.canBeClosed, 0);
  EXPECT_TRUE(IsWindow(MainWindow()));

  PressKey(VK_SPACE);
  EXPECT_EQ(Events.startClicked, 1);
  SetFocus(Hwnd(按钮_取消));
  PressKey(VK_SPACE);
  EXPECT_EQ(Events.cancelClicked, 1);

  SetFocus(Hwnd(选择框_强制终止));
  PressKey(VK_SPACE);
  EXPECT_TRUE(GetChecked(选择框_强制终止));
}

TEST_F(Keyboard, FocusReturnsToTheLastControlOnReactivation) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  SetFocus(Hwnd(编辑框_分));
  SendMessageW(MainWindow(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(nullptr);
  SendMessageW(MainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(FocusedControl(), 编辑框_分);
}

TEST_F(Keyboard, TimeBoxesTakeTypedDigitsAndMinusOnly) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  const struct {
    std::wstring typed;
    std::wstring kept;
  } cases[] = {
      {L"1a2.5", L"125"},
      {L"-3-", L"-3-"},
      {L" +7e", L"7"},
      {L"１２设", L""},  // full-width digits and Chinese characters are not typed in
  };
  for (Control box : {编辑框_时, 编辑框_分, 编辑框_秒}) {
    for (const auto& c : cases) {
      SetContent(box, "");
      SetFocus(Hwnd(box));
      TypeText(c.typed);
      EXPECT_EQ(WideTextOf(Hwnd(box)), c.kept) << box;
    }
  }
  // Control characters pass: Backspace removes the last digit.
  SetContent(编辑框_秒, "");
  SetFocus(Hwnd(编辑框_秒));
  TypeText(L"45");
  PressKey(VK_BACK);
  EXPECT_EQ(WideTextOf(Hwnd(编辑框_秒)), L"4");
}

TEST_F(Keyboard, PastedTextIsNotFiltered) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  ASSERT_TRUE(OpenClipboard(MainWindow()));
  EmptyClipboard();
  const wchar_t text[] = L"1a2.5";
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
  memcpy(GlobalLock(memory), text, sizeof text);
  GlobalUnlock(memory);
  ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, memory));
  CloseClipboard();

  SetFocus(Hwnd(编辑框_时));
  SendMessageW(Hwnd(编辑框_时), WM_PASTE, 0, 0);
  EXPECT_EQ(WideTextOf(Hwnd(编辑框_时)), L"1a2.5");
  SetContent(编辑框_分, "");
  SetFocus(Hwnd(编辑框_分));
  PressKey('V', false);  // without Ctrl: a typed V, dropped
  EXPECT_EQ(WideTextOf(Hwnd(编辑框_分)), L"");
}

TEST_F(Keyboard, EditBoxesHaveNoLengthLimitAndStartWithTheCaretAtZero) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  for (Control box : {编辑框_时, 编辑框_分, 编辑框_秒}) {
    EXPECT_GE(SendMessageW(Hwnd(box), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << box;
    DWORD start = 1, end = 1;
    SendMessageW(Hwnd(box), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
  }
}

}  // namespace
