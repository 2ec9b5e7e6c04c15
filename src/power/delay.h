// delay.h: the one way anything in the program waits.
#pragma once

#include <cstdint>

// Sleeps on a one-shot waitable timer, waking for every incoming message to
// process the calling thread's pending events, until the timer fires. True
// when the full time elapsed; false when the timer could not be created or
// armed, or the wait failed (then it returns at once).
bool DelayWithEvents(int32_t milliseconds);
