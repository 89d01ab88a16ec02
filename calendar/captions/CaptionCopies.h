#pragma once

#include <QString>

// Lines the caption pass keeps for later use by the file commands.
namespace CaptionCopies {

// Language line 84, the name of an untitled document.
QString UntitledName();
void setUntitledName(const QString &name);

} // namespace CaptionCopies
