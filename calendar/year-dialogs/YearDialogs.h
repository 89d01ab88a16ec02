#pragma once

#include "platform/result/Result.h"

// The OK of the two year dialogs, on the global windows Form1, Form4, Form5.

// Year-and-month dialog: the chosen month and year into the single-month
// document; Modified when either differs from the one the dialog opened with.
Result<> ApplyDocumentMonthYear();
// Year dialog: the year into the whole project (ApplyYear); Modified when it
// differs from the one the dialog opened with.
Result<> ApplyProjectYear();
