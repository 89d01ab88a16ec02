#pragma once

#include <QDialog>


class QLabel;
class QPushButton;

// The question whether to create a missing settings file. Its texts are fixed
// in every language. Whoever shows it looks for the settings file afterwards,
// however it was closed.
class TForm6 : public QDialog
{
    Q_OBJECT

public:
    TForm6();

    // Shows the question modally; under a test script the script presses its
    // buttons (Yes "Ano", No "Ne", any other answer closes it). "Ano" writes
    // the default settings; when that fails the error is shown and the
    // question stays open.
    void ShowModal();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Button1Click();
    bool settingsCreated();
};

// The settings question window, live from start-up to the end of the program.
extern TForm6 *Form6;
