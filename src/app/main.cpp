// main.cpp: start-up, the event loop and the end of the program.
#include <windows.h>

#include "app/exit_routines.h"
#include "app/program_exit.h"
#include "app/run_directory.h"
#include "power/start_cancel.h"
#include "settings/settings.h"
#include "ui/event_loop.h"
#include "ui/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Only System32 is searched for DLLs: one planted beside the exe is never loaded.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // No system error box for a missing disk or file.
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  SetCurrentDirectoryA(GetRunDirectory().c_str());
  RegisterExitRoutine(OnProgramExit);

  BindMainWindowEvents({OnWindowCreated, OnWindowCloseQuery, OnStartClicked, OnCancelClicked});
  if (!OpenMainWindow(instance)) {
    RunExitRoutines();
    return 1;  // nothing to show: say so rather than report success
  }
  RunEventLoop();
  RunExitRoutines();
  return 0;
}
