// start_cancel.h: the handlers of 按钮_开始 and 按钮_取消.
#pragma once

#include <cstdint>

void OnStartClicked();
void OnCancelClicked();

// The countdown length for the three time fields, added up step by step in
// double precision; a running total below 1 counts as 0 after the hours and
// after the minutes, and a total beyond the largest 32-bit count is held there.
int32_t CountdownFromFields(int32_t hours, int32_t minutes, int32_t seconds);
