// privilege.cpp: enabling SeShutdownPrivilege.
#include "power/privilege.h"

#include "power/system_calls.h"

bool EnableShutdownPrivilege(HANDLE process) {
  HANDLE token = nullptr;
  if (!System.openProcessToken(process, TOKEN_QUERY | TOKEN_ADJUST_PRIVILEGES, &token)) return false;

  TOKEN_PRIVILEGES request = {};
  request.PrivilegeCount = 1;
  request.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool enabled = System.lookupPrivilegeValue(nullptr, "SeShutdownPrivilege", &request.Privileges[0].Luid) &&
                 // Judged by the call's result alone, not by the last-error code.
                 System.adjustTokenPrivileges(token, FALSE, &request, 0, nullptr, nullptr);
  CloseHandle(token);
  return enabled;
}
