#pragma once

#include "platform/result/Result.h"

#include "trainer/html-pages/PageFile.h"

#include <QStringList>

class QuestionTable;

// The printable list of every question of the bank, "Otazky_ZP.htm".
namespace QuestionListPage {

inline const QString FileName = QStringLiteral("Otazky_ZP.htm");

// Opens the table, reads every record in stored order and closes it again,
// whatever state it had before. A table error is returned as it is; when the
// post of a pending edit fails, the table stays open with the edit.
Result<> lines(QuestionTable &table, const QString &versionCaption, PageText &out);

// The page written to `path`; a table error writes nothing.
Result<> write(QuestionTable &table, const QString &versionCaption, const QString &path);

} // namespace QuestionListPage
