// program_exit.cpp: the program's exit routine.
#include "app/program_exit.h"

#include "settings/settings.h"

void OnProgramExit() { ReleaseSettingsPath(); }
