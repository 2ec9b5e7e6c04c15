// keyboard.h: the main window's own keyboard navigation.
#pragma once

#include <windows.h>

// Handles Tab, Shift+Tab, the arrow keys on radio buttons, and swallows Enter,
// Esc and F1. True when the key was consumed.
bool PreTranslateKey(const MSG& msg);
