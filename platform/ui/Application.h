#pragma once

#include "platform/result/Result.h"

#include <QApplication>
#include <QTranslator>

// The application object of both programs: the font substitutions both need,
// and the default error box that a failed handler shows before the program
// goes on.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv, const QString &title);
    bool notify(QObject *receiver, QEvent *event) override;

    // The default error box: the failure's text, the program's name, OK and
    // the error icon.
    static void showErrorBox(QWidget *owner, const QString &text);
    // The same for a handler's outcome: a failure shows the box, a success
    // shows nothing. True on success.
    static bool showErrorBox(QWidget *owner, const Result<> &outcome);

private:
    QTranslator m_toolkitTexts;
};
