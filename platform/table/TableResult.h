#pragma once

#include "platform/files/FileResult.h"

// Table operations fail the way file operations do, with a sentence that
// names the file.
using TableResult = FileResult;
