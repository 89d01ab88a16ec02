#pragma once

#include <QApplication>
#include <QTranslator>

// The application object of both programs: the font substitutions both need,
// and the default error box — an exception escaping any event handler is
// shown with its text in a message box and the program goes on.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv, const QString &title);
    bool notify(QObject *receiver, QEvent *event) override;

    // The default error box, for an error that a command catches itself.
    static void showErrorBox(QWidget *owner, const QString &text);

private:
    QTranslator m_toolkitTexts;
};
