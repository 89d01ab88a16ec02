#pragma once

#include <QString>

// The system family a Windows version query reports.
enum class SystemPlatform { Win9x, WinNT, Other };

// The text of the main window's system line for a reported version.
QString systemVersionText(SystemPlatform platform, int major, int minor);
// The line for the system the program runs on: neither Windows family here.
QString DetectSystemVersion();
