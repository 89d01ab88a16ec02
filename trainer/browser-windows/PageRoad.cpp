#include "trainer/browser-windows/PageRoad.h"

#include "trainer/browser-windows/BrowserWindows.h"
#include "trainer/browser-windows/BrowserWindowsLoader.h"
#include "trainer/html-pages/PageFile.h"
#include "trainer/html-pages/QuestionListPage.h"
#include "trainer/html-pages/WrongAnswersPage.h"

#include <QFile>

namespace PageRoad {

Result<> showQuestionList(QuestionTable &table, const QString &versionCaption, const QString &tempDir,
                          QWidget *opener)
{
    PageText text;
    if (Result<> read = QuestionListPage::lines(table, versionCaption, text); !read)
        return read;
    const QString page = tempDir + QuestionListPage::FileName;
    // A page that cannot be written (the temporary folder missing or read
    // only) is not reported: the window shows what the browser finds there.
    (void)PageFile::write(page, text);
    const Result<BrowserWindows *> windows = BrowserWindowsLoader::windows();
    if (windows)
        (*windows)->showQuestionList(page, opener);
    QFile::remove(page);
    return windows ? Result<>() : Failure{windows.error()};
}

Result<> showWrongAnswers(const FinishedTest &test, QuestionSource &questions, const QString &versionCaption,
                          const QString &tempDir, QWidget *opener)
{
    const QString page = tempDir + WrongAnswersPage::FileName;
    if (Result<> written = WrongAnswersPage::write(test, questions, versionCaption, page); !written)
        return written;
    const Result<BrowserWindows *> windows = BrowserWindowsLoader::windows();
    if (!windows) {
        QFile::remove(page);
        return Failure{windows.error()};
    }
    (*windows)->showWrongAnswers(page, opener);
    return {};
}

} // namespace PageRoad
