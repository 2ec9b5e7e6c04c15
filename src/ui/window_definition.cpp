// window_definition.cpp: the main window's layout, texts and styles.
#include "ui/window_definition.h"

#include "ui/config.h"

const char kWindowTitle[] = "倒计时关机";

#define RUDIV_NOTICE "如果在使用软件的过程中遇到什么问题，可以加" RUDIV_CONTACT "，进行反馈！"

const ControlDefinition kControls[kControlCount] = {
    {标签5, ControlKind::Label, Control(0), {16, 232, 272, 40}, RUDIV_NOTICE},
    {标签4, ControlKind::Label, Control(0), {21, 144, 272, 24}, "倒计时：-1 秒"},
    {按钮_取消, ControlKind::PushButton, Control(0), {184, 176, 108, 30}, "取消计时"},
    {编辑框_秒, ControlKind::EditBox, 分组框1, {184, 88, 44, 24}, ""},
    {标签3, ControlKind::Label, 分组框1, {236, 88, 32, 24}, "秒"},
    {编辑框_分, ControlKind::EditBox, 分组框1, {96, 88, 44, 24}, ""},
    {标签2, ControlKind::Label, 分组框1, {148, 88, 32, 24}, "分钟"},
    {标签1, ControlKind::Label, 分组框1, {64, 88, 32, 24}, "小时"},
    {编辑框_时, ControlKind::EditBox, 分组框1, {12, 88, 44, 24}, ""},
    {选择框_强制终止, ControlKind::CheckBox, 分组框1, {12, 56, 92, 24}, "强制终止进程"},
    {单选框_重启, ControlKind::RadioButton, 分组框1, {216, 24, 54, 24}, "重启"},
    {单选框_关机, ControlKind::RadioButton, 分组框1, {108, 24, 54, 24}, "关机"},
    {单选框_注销, ControlKind::RadioButton, 分组框1, {12, 24, 54, 24}, "注销"},
    {分组框1, ControlKind::GroupBox, Control(0), {21, 12, 272, 124}, "关机参数"},
    {按钮_开始, ControlKind::PushButton, Control(0), {21, 176, 108, 30}, "开始计时"},
};

const Control kTabOrder[9] = {按钮_开始, 单选框_注销, 单选框_关机, 单选框_重启, 选择框_强制终止,
                              编辑框_时, 编辑框_分, 编辑框_秒, 按钮_取消};
const Control kRadioRing[3] = {单选框_注销, 单选框_关机, 单选框_重启};

int ControlIndex(Control name) {
  for (int i = 0; i < kControlCount; ++i)
    if (kControls[i].name == name) return i;
  return -1;
}

const ControlDefinition* FindControl(Control name) {
  int i = ControlIndex(name);
  return i < 0 ? nullptr : &kControls[i];
}

const wchar_t* ClassNameOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::EditBox: return L"EDIT";
    case ControlKind::Label: return L"RudivAdodavuvLabel";
    default: return L"BUTTON";
  }
}

DWORD StyleOf(const ControlDefinition& control) {
  DWORD common = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD button = BS_MULTILINE | BS_LEFT | BS_VCENTER | WS_TABSTOP;
  switch (control.kind) {
    case ControlKind::GroupBox: return common | BS_GROUPBOX | BS_LEFT;
    case ControlKind::RadioButton: return common | BS_AUTORADIOBUTTON | button;
    case ControlKind::CheckBox: return common | BS_AUTOCHECKBOX | button;
    case ControlKind::EditBox: return common | ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP;
    case ControlKind::PushButton:
      return common | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP;
    case ControlKind::Label: return control.name == 标签4 ? common | WS_BORDER : common;
  }
  return common;
}

DWORD ExStyleOf(ControlKind kind) { return kind == ControlKind::EditBox ? WS_EX_CLIENTEDGE : 0; }

COLORREF LabelTextColor(Control label) { return label == 标签5 ? RGB(255, 0, 0) : RGB(0, 0, 0); }

UINT LabelDrawFlags(Control label) {
  return label == 标签5 ? DT_LEFT | DT_WORDBREAK : DT_LEFT | DT_SINGLELINE | DT_VCENTER;
}
