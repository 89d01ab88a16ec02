#pragma once

#include <QDialog>

#include <functional>
#include <optional>

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

    // "Ano" runs `createSettings`; an error it returns is shown and the
    // question stays open.
    std::function<std::optional<QString>()> createSettings;

    // Shows the question modally; under a test script the script answers
    // (Yes for "Ano").
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
