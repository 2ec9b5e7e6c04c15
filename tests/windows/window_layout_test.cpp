// The main window as built: size, place, styles, icons and all fifteen controls.
#include "window_fixture.h"

namespace {

using WindowLayout = WindowTest;

struct ExpectedControl {
  Control name;
  const wchar_t* className;
  Control parent;  // 0: the main window
  RECT placement;  // x, y, width, height
  DWORD style;     // beyond WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE
  DWORD exStyle;
  const wchar_t* text;  // null: checked elsewhere
};

constexpr DWORD kButton = BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP;

const ExpectedControl kExpected[] = {
    {标签5, L"RudivAdodavuvLabel", Control(0), {16, 232, 272, 40}, 0, 0, nullptr},
    {标签4, L"RudivAdodavuvLabel", Control(0), {21, 144, 272, 24}, WS_BORDER, 0, L"倒计时：-1 秒"},
    {按钮_取消, L"Button", Control(0), {184, 176, 108, 30}, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0, L"取消计时"},
    {编辑框_秒, L"Edit", 分组框1, {184, 88, 44, 24}, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, L""},
    {标签3, L"RudivAdodavuvLabel", 分组框1, {236, 88, 32, 24}, 0, 0, L"秒"},
    {编辑框_分, L"Edit", 分组框1, {96, 88, 44, 24}, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, L""},
    {标签2, L"RudivAdodavuvLabel", 分组框1, {148, 88, 32, 24}, 0, 0, L"分钟"},
    {标签1, L"RudivAdodavuvLabel", 分组框1, {64, 88, 32, 24}, 0, 0, L"小时"},
    {编辑框_时, L"Edit", 分组框1, {12, 88, 44, 24}, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, L""},
    {选择框_强制终止, L"Button", 分组框1, {12, 56, 92, 24}, BS_AUTOCHECKBOX | kButton, 0, L"强制终止进程"},
    {单选框_重启, L"Button", 分组框1, {216, 24, 54, 24}, BS_AUTORADIOBUTTON | kButton, 0, L"重启"},
    {单选框_关机, L"Button", 分组框1, {108, 24, 54, 24}, BS_AUTORADIOBUTTON | kButton, 0, L"关机"},
    {单选框_注销, L"Button", 分组框1, {12, 24, 54, 24}, BS_AUTORADIOBUTTON | kButton, 0, L"注销"},
    {分组框1, L"Button", Control(0), {21, 12, 272, 124}, BS_GROUPBOX | BS_LEFT, 0, L"关机参数"},
    {按钮_开始, L"Button", Control(0), {21, 176, 108, 30}, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0, L"开始计时"},
};

TEST_F(WindowLayout, EveryControlIsAsDefined) {
  ASSERT_NO_FATAL_FAILURE(Open({}));  // no created handler: the controls stay as built
  HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const auto& e : kExpected) {
    SCOPED_TRACE(e.name);
    HWND control = Hwnd(e.name);
    ASSERT_TRUE(IsWindow(control));
    EXPECT_EQ(GetDlgCtrlID(control), e.name);

    wchar_t className[64];
    GetClassNameW(control, className, 64);
    EXPECT_EQ(_wcsicmp(className, e.className), 0) << std::wstring(className).size();

    HWND parent = e.parent ? Hwnd(e.parent) : MainWindow();
    EXPECT_EQ(GetParent(control), parent);
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, e.placement.left);
    EXPECT_EQ(r.top, e.placement.top);
    EXPECT_EQ(r.right - r.left, e.placement.right);
    EXPECT_EQ(r.bottom - r.top, e.placement.bottom);

    DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    DWORD expectedStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE | e.style;
    if (e.name == 编辑框_时 || e.name == 编辑框_分 || e.name == 编辑框_秒)
      style &= ~static_cast<DWORD>(ES_AUTOVSCROLL | ES_MULTILINE);  // never set; the edit control may report more
    EXPECT_EQ(style & ~(WS_DISABLED | WS_GROUP) & 0xFFFF0000, expectedStyle & 0xFFFF0000) << std::hex << style;
    EXPECT_EQ(style & 0xFFFF, expectedStyle & 0xFFFF) << std::hex << style;
    EXPECT_FALSE(style & WS_DISABLED);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE, e.exStyle);

    if (e.text) {
      EXPECT_EQ(WideTextOf(control), e.text);
    }
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), guiFont);
  }
}

TEST_F(WindowLayout, NoticeNamesTheContactBetweenItsTwoParts) {
  ASSERT_NO_FATAL_FAILURE(Open({}));
  std::wstring notice = WideTextOf(Hwnd(标签5));
  const std::wstring head = L"如果在使用软件的过程中遇到什么问题，可以加";
  const std::wstring tail = L"，进行反馈！";
  ASSERT_GT(notice.size(), head.size() + tail.size());
  EXPECT_EQ(notice.substr(0, head.size()), head);
  EXPECT_EQ(notice.substr(notice.size() - tail.size()), tail);
}

TEST_F(WindowLayout, SiblingsStackInDefinitionOrder) {
  ASSERT_NO_FATAL_FAILURE(Open({}));
  const Control windowChildren[] = {标签5, 标签4, 按钮_取消, 分组框1, 按钮_开始};
  const Control groupChildren[] = {编辑框_秒, 标签3, 编辑框_分, 标签2, 标签1, 编辑框_时, 选择框_强制终止,
                                   单选框_重启, 单选框_关机, 单选框_注销};
  auto expectOrder = [](HWND parent, const Control* order, size_t count) {
    HWND child = GetWindow(parent, GW_CHILD);
    for (size_t i = 0; i < count; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
      ASSERT_TRUE(child) << i;
      EXPECT_EQ(GetDlgCtrlID(child), order[i]) << i;
    }
    EXPECT_EQ(child, nullptr);
  };
  expectOrder(MainWindow(), windowChildren, 5);
  expectOrder(Hwnd(分组框1), groupChildren, 10);
}

TEST_F(WindowLayout, WindowIsFixedCentredAndTitled) {
  ASSERT_NO_FATAL_FAILURE(Open({}));
  HWND window = MainWindow();
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 304);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 320) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 304) / 2);

  DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN));
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);  // the system adds the edge
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(WideTextOf(window), L"倒计时关机");

  EXPECT_EQ(GetClassLongW(window, GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
  EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), 0);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(window, GCLP_HCURSOR)), LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // IDC_ARROW
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(WindowLayout, CannotBeMaximisedOrResizedByTheUser) {
  ASSERT_NO_FATAL_FAILURE(Open({}));
  HWND window = MainWindow();
  RECT r;
  GetWindowRect(window, &r);
  // The frame's edges and corner are no sizing handles.
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(r.right - 1, r.bottom - 1)), HTBORDER);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(r.left, (r.top + r.bottom) / 2)), HTBORDER);
  // A double click on the caption maximises only a window with a maximise box.
  SendMessageW(window, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(r.left + 40, r.top + 8));
  Pump();
  EXPECT_FALSE(IsZoomed(window));
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 304);
}

TEST_F(WindowLayout, BigAndSmallIconsComeFromTheResource) {
  ASSERT_NO_FATAL_FAILURE(Open({}));
  auto iconSize = [](HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return SIZE{0, 0};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return SIZE{bitmap.bmWidth, bitmap.bmHeight};
  };
  SIZE big = iconSize(reinterpret_cast<HICON>(SendMessageW(MainWindow(), WM_GETICON, ICON_BIG, 0)));
  SIZE small = iconSize(reinterpret_cast<HICON>(SendMessageW(MainWindow(), WM_GETICON, ICON_SMALL, 0)));
  EXPECT_EQ(big.cx, 32);
  EXPECT_EQ(big.cy, 32);
  EXPECT_EQ(small.cx, 16);
  EXPECT_EQ(small.cy, 16);
}

TEST_F(WindowLayout, CreatedEventRunsOnceBeforeTheWindowShows) {
  ASSERT_NO_FATAL_FAILURE(OpenRecording());
  EXPECT_EQ(Events.created, 1);
  EXPECT_FALSE(Events.visibleWhenCreated);
  EXPECT_TRUE(IsWindowVisible(MainWindow()));
  EXPECT_EQ(FocusedControl(), 按钮_开始);
}

}  // namespace
