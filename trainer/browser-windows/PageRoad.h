#pragma once

#include "platform/result/Result.h"

#include <QString>

class QuestionSource;
class QuestionTable;
class QWidget;
struct FinishedTest;

// From a menu or button to a page window: the page is written into the
// temporary folder, shown, and deleted once its window has closed. Each
// fails with why nothing could be shown. The question list opens even when
// its page could not be written; the wrong answers do not.
namespace PageRoad {

Result<> showQuestionList(QuestionTable &table, const QString &versionCaption, const QString &tempDir,
                          QWidget *opener);

Result<> showWrongAnswers(const FinishedTest &test, QuestionSource &questions, const QString &versionCaption,
                          const QString &tempDir, QWidget *opener);

} // namespace PageRoad
