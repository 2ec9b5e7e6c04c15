// action_type_controls.cpp: between ActionType and the controls.
#include "power/action_type_controls.h"

#include "ui/window_operations.h"

ActionType ActionTypeFromControls() {
  // 单选框_注销 is never read: log off is what remains.
  return ActionTypeOf(GetChecked(单选框_关机), GetChecked(单选框_重启), GetChecked(选择框_强制终止));
}

namespace {

void CheckOnly(Control radio) {
  SetChecked(单选框_注销, radio == 单选框_注销);
  SetChecked(单选框_关机, radio == 单选框_关机);
  SetChecked(单选框_重启, radio == 单选框_重启);
}

}  // namespace

void ShowActionType(ActionType actionType) {
  // Three passes in this order, so restart wins over shut down.
  CheckOnly(单选框_注销);
  if (actionType & kShutDown) CheckOnly(单选框_关机);
  if (actionType & kRestart) CheckOnly(单选框_重启);
  SetChecked(选择框_强制终止, ShowsForce(actionType));
}
