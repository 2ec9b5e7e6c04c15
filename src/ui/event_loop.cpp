// event_loop.cpp: the main thread's message loop.
#include "ui/event_loop.h"

#include "ui/keyboard.h"

void HandleEvent(MSG& msg) {
  if (PreTranslateKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

int RunEventLoop() {
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return -1;  // only for an invalid window filter, which is never given
    HandleEvent(msg);
  }
  return static_cast<int>(msg.wParam);
}
