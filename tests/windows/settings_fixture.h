// settings_fixture.h: the real window with the settings handlers, and a
// settings file beside the test exe that each test starts without.
#pragma once

#include "settings/settings.h"
#include "settings_file.h"
#include "window_fixture.h"

class SettingsWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    RemoveIni();
  }
  void TearDown() override {
    WindowTest::TearDown();
    RemoveIni();
  }
  void OpenWithSettings() { Open({OnWindowCreated, OnWindowCloseQuery, nullptr, nullptr}); }
  // Closes the window as the user does; the quit it posts is taken away, so
  // the next window of the same test starts clean.
  void CloseWindow() {
    SendMessageW(MainWindow(), WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(MainWindow()));
    DiscardQuit();
  }
};
