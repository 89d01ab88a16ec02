#pragma once

#include <QString>

class QuestionSource;
class QuestionTable;
class QWidget;
struct FinishedTest;

// From a menu or button to a page window: the page is written into the
// temporary folder, shown, and deleted once its window has closed. Each
// returns why nothing could be shown, empty when the window opened. The
// question list opens even when its page could not be written; the wrong
// answers do not.
namespace PageRoad {

QString showQuestionList(QuestionTable &table, const QString &versionCaption, const QString &tempDir,
                         QWidget *opener);

QString showWrongAnswers(const FinishedTest &test, QuestionSource &questions, const QString &versionCaption,
                         const QString &tempDir, QWidget *opener);

} // namespace PageRoad
