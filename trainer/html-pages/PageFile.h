#pragma once

#include "platform/files/FileResult.h"

#include <QStringList>

// The trainer's generated HTML pages: Windows-1250, every line ended by CR LF,
// no character-set declaration, bank texts copied as they are.
namespace PageFile {

FileResult write(const QString &path, const QStringList &lines);

} // namespace PageFile

// The caption of the main window's version label, which both pages quote in
// their footer.
QString versionCaption(const QString &programVersion);
