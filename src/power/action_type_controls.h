// action_type_controls.h: the action type in the window's radio buttons and check box.
#pragma once

#include "power/action_type.h"

// 单选框_关机 gives 1, else 单选框_重启 gives 2, else 0; 选择框_强制终止 adds 4.
ActionType ActionTypeFromControls();

// Sets all three radio buttons explicitly, so exactly one is checked, and the check box.
void ShowActionType(ActionType actionType);
