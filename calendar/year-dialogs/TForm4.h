#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class TSpinEdit;

// The year-and-month dialog of the single-month document.
class TForm4 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    TSpinEdit *SpinEdit1 = nullptr;
    // The twelve month names, January first.
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr; // OK
    QPushButton *Button2 = nullptr; // Storno

    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;
};

// The year-and-month dialog, live from start-up to the end of the program.
extern TForm4 *Form4;
