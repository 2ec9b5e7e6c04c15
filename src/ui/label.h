// label.h: the self-painted label class.
#pragma once

#include <windows.h>

// Registers the label window class once per process; false if that fails.
bool RegisterLabelClass(HINSTANCE instance);
