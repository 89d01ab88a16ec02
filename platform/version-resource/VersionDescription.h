#pragma once

#include "platform/result/Result.h"
#include "platform/version-resource/VersionInfoWriter.h"

#include <QString>

// The small text form a program's version resource is written in: one
// "Name=Value" a line, "#" starts a comment. "Translation=0405,04E2" (hex
// language and code page), "FileVersion.Fixed=2002.6.1.10" and
// "ProductVersion.Fixed=..." set the fixed part; every other name is a string
// of the one table. A failure names the line: "line 3: expected Name=Value".
namespace VersionDescription {

Result<VersionInfoDescription> parse(const QString &text);

} // namespace VersionDescription
