// program_exit.h: the program's exit routine.
#pragma once

// Releases what lives for the whole run: the settings path.
void OnProgramExit();
