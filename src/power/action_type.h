// action_type.h: what a countdown does when it runs out.
#pragma once

#include <cstdint>

#include "text/text.h"

// A bit set equal to the flag word of ExitWindowsEx: 0 log off, 1 shut down,
// 2 restart, plus 4 to force processes to end. A stored value may hold any
// integer; only these three bits are ever looked at.
using ActionType = int32_t;

constexpr ActionType kLogOff = 0;    // EWX_LOGOFF
constexpr ActionType kShutDown = 1;  // EWX_SHUTDOWN
constexpr ActionType kRestart = 2;   // EWX_REBOOT
constexpr ActionType kForce = 4;     // EWX_FORCE

// The name the countdown label shows: restart wins over shut down.
Text ActionName(ActionType actionType);

// Whether the force check box shows ticked for this action type.
bool ShowsForce(ActionType actionType);

// The action type the controls stand for.
ActionType ActionTypeOf(bool shutDownChecked, bool restartChecked, bool forceChecked);
