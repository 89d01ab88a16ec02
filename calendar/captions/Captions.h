#pragma once

#include "platform/result/Result.h"

// Puts the language lines in use into every window of the designer in one
// pass, and ends by giving all 25 calendar controls the language's first
// weekday. The only failure is a week-start line that is not an integer:
// every caption is applied by then, no control's first weekday changes, and
// the conversion error is returned.
Result<> ApplyCaptions();

// The week-start line into SmallKal1..12, BigKal1..12 and BigKal13.
Result<> ApplyStartOfWeek();

// The same 25 controls draw again with the language lines in use.
void RedrawMonthControls();
