#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TSpinEdit;

// The year dialog of the year project.
class TForm5 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    TSpinEdit *SpinEdit1 = nullptr;
    QPushButton *Button1 = nullptr; // OK
    QPushButton *Button2 = nullptr; // Storno

    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;
};

// The year dialog, live from start-up to the end of the program.
extern TForm5 *Form5;
