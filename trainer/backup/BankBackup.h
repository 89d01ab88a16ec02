#pragma once

#include "platform/result/Result.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QuestionTable;

// Copying the question bank (the table and its memo file) to a backup folder
// as "Central.z1" and "Central.z2" with an "info.txt", and back. Both files
// are always replaced together, so a failure keeps the old pair whole.
namespace BankBackup {

inline const QString TableCopy = QStringLiteral("Central.z1");
inline const QString MemoCopy = QStringLiteral("Central.z2");
inline const QString InfoFile = QStringLiteral("info.txt");

// Called with the number of files copied so far (0 to 2).
using Progress = std::function<void(int copied)>;

// The five lines of "info.txt" for a backup taken at `when`.
QStringList infoLines(const QDateTime &when);

// What a backup folder tells about itself: the date and time texts of its
// "info.txt" as the dialogs show them. Nothing when the folder has no such file.
struct State
{
    QString date;
    QString time;
};
std::optional<State> stateOf(const QString &folder);

// Copies the bank named by `tablePath` (with its memo file) into `folder`,
// writes "info.txt" and checks that the copy opens as a question table.
Result<> backup(const QString &tablePath, const QString &folder, const QDateTime &when,
                const Progress &progress = {});

// Refuses a folder without "info.txt" or whose pair does not open as a
// question table; otherwise closes `table` and replaces its pair with the copy.
// On any failure the bank in use stays as it was.
Result<> restore(const QString &folder, QuestionTable &table, const Progress &progress = {});

// Whether the pair opens with the table engine and has the question record's
// columns; the table file and its memo file may be named freely.
Result<> checkQuestionPair(const QString &tableFile, const QString &memoFile);

} // namespace BankBackup
