#pragma once

#include "platform/version-resource/VersionInfoWriter.h"

#include <QString>

#include <optional>

// The small text form a program's version resource is written in: one
// "Name=Value" a line, "#" starts a comment. "Translation=0405,04E2" (hex
// language and code page), "FileVersion.Fixed=2002.6.1.10" and
// "ProductVersion.Fixed=..." set the fixed part; every other name is a string
// of the one table.
namespace VersionDescription {

std::optional<VersionInfoDescription> parse(const QString &text, QString *error);

} // namespace VersionDescription
