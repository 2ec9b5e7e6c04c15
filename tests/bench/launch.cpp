// launch.exe EXE [ARGUMENT]: starts EXE, measures the time from process creation to its
// first visible top-level window and its peak working set once idle there,
// then closes it. Prints "startup_ms peak_kib".
#include <windows.h>
#include <psapi.h>

#include <cstdio>

namespace {

struct Search {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process || !IsWindowVisible(window)) return TRUE;
  search->window = window;
  return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) return 2;
  char command[1024];
  wsprintfA(command, "\"%s\" %s", argv[1], argc == 3 ? argv[2] : "");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, begin, shown;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessA(argv[1], command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return 1;
  Search search{process.dwProcessId, nullptr};
  for (int i = 0; i < 20000 && !search.window; ++i) {
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    if (!search.window) Sleep(1);
  }
  QueryPerformanceCounter(&shown);
  int status = search.window ? 0 : 1;
  WaitForInputIdle(process.hProcess, 5000);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  if (search.window) PostMessageW(search.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  printf("%.2f %zu\n", 1000.0 * (shown.QuadPart - begin.QuadPart) / frequency.QuadPart,
         static_cast<size_t>(memory.PeakWorkingSetSize / 1024));
  return status;
}
