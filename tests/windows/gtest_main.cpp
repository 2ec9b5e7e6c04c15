// The Windows tests' main: no system error boxes, so a failure ends the process.
// Started as "--hold-file PATH", the exe is instead a second process that holds
// a file open with no sharing until its parent lets go.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

int HoldFile(const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, "RudivAdodavuvHoldReady");
  HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, "RudivAdodavuvHoldRelease");
  if (ready) SetEvent(ready);
  if (release) WaitForSingleObject(release, 60000);
  CloseHandle(file);
  if (ready) CloseHandle(ready);
  if (release) CloseHandle(release);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  if (argc == 3 && !strcmp(argv[1], "--hold-file")) return HoldFile(argv[2]);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
