// action_type.cpp: the bit rules of ActionType.
#include "power/action_type.h"

Text ActionName(ActionType actionType) {
  const char* name = "注销用户";
  if (actionType & kShutDown) name = "关闭系统";
  if (actionType & kRestart) name = "重启系统";
  return Text(name);
}

bool ShowsForce(ActionType actionType) { return (actionType & kForce) != 0; }

ActionType ActionTypeOf(bool shutDownChecked, bool restartChecked, bool forceChecked) {
  // Log off is what remains when neither of the other two is checked.
  ActionType base = shutDownChecked ? kShutDown : restartChecked ? kRestart : kLogOff;
  return forceChecked ? base | kForce : base;
}
