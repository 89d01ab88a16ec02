#pragma once

#include <QString>

// The trainer's two page windows. They live in a module of their own, which
// carries the browser engine and is loaded when the first of them opens.
class BrowserWindows
{
public:
    virtual ~BrowserWindows() = default;

    // The question list, shown modally; the caller deletes the page after.
    virtual void showQuestionList(const QString &pagePath) = 0;
    // The wrong-answers report, shown modally; the window deletes its page
    // when it closes.
    virtual void showWrongAnswers(const QString &pagePath) = 0;
};

// The module's entry point.
extern "C" BrowserWindows *varnelBrowserWindows();
