// controls.h: the main window's controls, named as in the window definition.
// Each name's value is the control's child-window ID.
#pragma once

enum Control : int {
  按钮_开始 = 100,
  分组框1 = 110,
  单选框_注销 = 120,
  单选框_关机 = 130,
  单选框_重启 = 140,
  选择框_强制终止 = 150,
  编辑框_时 = 160,
  标签1 = 170,
  标签2 = 180,
  编辑框_分 = 190,
  标签3 = 200,
  编辑框_秒 = 210,
  按钮_取消 = 220,
  标签4 = 230,
  标签5 = 240,
};

constexpr int kControlCount = 15;
