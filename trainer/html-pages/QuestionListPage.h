#pragma once

#include "platform/files/FileResult.h"

#include "trainer/html-pages/PageFile.h"

#include <QStringList>

class QuestionTable;

// The printable list of every question of the bank, "Otazky_ZP.htm".
namespace QuestionListPage {

inline const QString FileName = QStringLiteral("Otazky_ZP.htm");

// Opens the table, reads every record in stored order and closes it again,
// whatever state it had before. A table error is returned as it is.
FileResult lines(QuestionTable &table, const QString &versionCaption, PageText &out);

// The page written to `path`; a table error writes nothing.
FileResult write(QuestionTable &table, const QString &versionCaption, const QString &path);

} // namespace QuestionListPage
