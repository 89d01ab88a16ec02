#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The trainer's two page windows. They live in a module of their own, which
// carries the browser engine and is loaded when the first of them opens.
class BrowserWindows
{
public:
    virtual ~BrowserWindows() = default;

    // Each is shown modally over `opener`, the window it was opened from: a
    // page window without one ends up behind a modal dialog that opened it.
    // The question list; the caller deletes the page after.
    virtual void showQuestionList(const QString &pagePath, QWidget *opener) = 0;
    // The wrong-answers report; the window deletes its page when it closes.
    virtual void showWrongAnswers(const QString &pagePath, QWidget *opener) = 0;
};

// What the module's plugin object offers; a module built for another form
// of the interface is refused when it loads.
#define BrowserWindows_iid "cz.kestrin.Varnel.BrowserWindows/1"
Q_DECLARE_INTERFACE(BrowserWindows, BrowserWindows_iid)
