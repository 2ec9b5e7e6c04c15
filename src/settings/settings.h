// settings.h: the user's last choices, kept in RudivAdodavuv.ini beside the exe.
#pragma once

#include "ui/main_window.h"

// Created event: builds the settings path and loads the file into the controls.
void OnWindowCreated();
// Can-be-closed event: saves the controls; gives no verdict, so the window closes.
Verdict OnWindowCloseQuery();

void LoadSettings();
void SaveSettings();

// The exit routine's part: the settings path is released.
void ReleaseSettingsPath();
// The full path of the settings file, or "" before the window was created.
const char* SettingsPathText();
