// privilege.h: the shutdown privilege in the process's own token.
#pragma once

#include <windows.h>

// Enables SeShutdownPrivilege in the token of the given process. True when
// AdjustTokenPrivileges succeeded. Shows nothing itself.
bool EnableShutdownPrivilege(HANDLE process);
