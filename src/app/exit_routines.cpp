// exit_routines.cpp: the exit-routine list.
#include "app/exit_routines.h"

namespace {

constexpr int kMaxRoutines = 8;
void (*gRoutines[kMaxRoutines])() = {};
int gCount = 0;

}  // namespace

void RegisterExitRoutine(void (*routine)()) {
  for (int i = 0; i < gCount; ++i)
    if (gRoutines[i] == routine) return;
  if (gCount < kMaxRoutines) gRoutines[gCount++] = routine;
}

void RunExitRoutines() {
  int count = gCount;
  gCount = 0;
  for (int i = 0; i < count; ++i) gRoutines[i]();
}
