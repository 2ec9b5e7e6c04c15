// edit_filter.h: the time boxes take typed digits and minus signs only.
#pragma once

#include <windows.h>

// Subclasses an edit box so that a typed character of code 32 or more other
// than '-' or '0'..'9' is dropped. Control characters and pasted text pass.
bool InstallDigitFilter(HWND edit);
