#pragma once

#include "platform/modules/ProgramModule.h"

#include <QString>

class BrowserWindows;

namespace BrowserWindowsLoader {

// The module beside the program file, loaded on the first call; the reason
// when it cannot be loaded.
Result<BrowserWindows *> windows();

// Test seam: while one exists, `windows` hands out this stand-in.
using Override = ProgramModule::Loaded<BrowserWindows>::Override;

} // namespace BrowserWindowsLoader
