// exit_routines.h: routines run once when the event loop has ended.
#pragma once

// Adds a routine; one that is already listed is not added again.
void RegisterExitRoutine(void (*routine)());

// Runs the routines in the order of registration, then empties the list.
void RunExitRoutines();
