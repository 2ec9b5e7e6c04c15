// probe.exe: looks at the program's window from another process, as a person
// would see it, for the end-to-end scripts. One command per run:
//   probe wait SECONDS        waits for the window; prints its handle
//   probe gone SECONDS        waits until no such window exists
//   probe text ID             a control's (or, for 0, the window's) text, as UTF-8
//   probe enabled ID          1 or 0
//   probe checked ID          1 or 0
//   probe focus               the ID of the control that has the focus
//   probe center ID           screen x y of the control's centre
//   probe close               posts WM_CLOSE to the window
//   probe acp                 the ANSI code page
// Exit code 0 on success, 1 when the window or control is not there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <io.h>

namespace {

HWND FindProgramWindow() { return FindWindowW(L"RudivAdodavuvMain", nullptr); }

HWND FindControl(HWND window, int id) {
  if (id == 0) return window;
  HWND control = GetDlgItem(window, id);
  if (!control) control = GetDlgItem(GetDlgItem(window, 110), id);  // inside the group box
  return control;
}

void PrintUtf8(const wchar_t* text) {
  char buffer[4096];
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  if (n > 0) fwrite(buffer, 1, n - 1, stdout);
  fputc('\n', stdout);
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc < 2) return 2;
  const char* command = argv[1];
  int argument = argc > 2 ? atoi(argv[2]) : 0;

  if (!strcmp(command, "acp")) {
    printf("%u\n", GetACP());
    return 0;
  }
  if (!strcmp(command, "wait") || !strcmp(command, "gone")) {
    bool wantWindow = !strcmp(command, "wait");
    for (int i = 0; i < argument * 20; ++i) {
      HWND window = FindProgramWindow();
      if (wantWindow && window && IsWindowVisible(window)) {
        printf("%p\n", static_cast<void*>(window));
        return 0;
      }
      if (!wantWindow && !window) return 0;
      Sleep(50);
    }
    return 1;
  }
  HWND window = FindProgramWindow();
  if (!window) return 1;
  if (!strcmp(command, "close")) return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  if (!strcmp(command, "focus")) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
    printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
    return 0;
  }
  HWND control = FindControl(window, argument);
  if (!control) return 1;
  if (!strcmp(command, "text")) {
    wchar_t text[1024] = {};
    SendMessageW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    PrintUtf8(text);
  } else if (!strcmp(command, "enabled")) {
    printf("%d\n", IsWindowEnabled(control) ? 1 : 0);
  } else if (!strcmp(command, "checked")) {
    printf("%d\n", SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
  } else if (!strcmp(command, "center")) {
    RECT r;
    GetWindowRect(control, &r);
    printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  } else {
    return 2;
  }
  return 0;
}
