#pragma once

#include "platform/result/Result.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TSpinEdit;

// What the year-and-month dialog and the year dialog share: the window style,
// the year row, OK that applies and closes, Storno that only closes, and the
// focus on OK when shown. Esc and the close box close without change. An
// apply that fails shows the default error box and the dialog stays open.
class YearDialog : public QDialog
{
    Q_OBJECT

public:
    QLabel *Label1 = nullptr;
    TSpinEdit *SpinEdit1 = nullptr;
    QPushButton *Button1 = nullptr; // OK
    QPushButton *Button2 = nullptr; // Storno

    void Button1Click();
    void Button2Click();

protected:
    // `apply` is what OK does before it closes the dialog.
    YearDialog(Result<> (*apply)(), QWidget *parent);

    // Takes the year row and the buttons from the dialog's form, and sets up
    // what the two share: blue labels and the buttons.
    template <typename Form>
    void setUpForm(Form &form)
    {
        form.setupUi(this);
        Label1 = form.Label1;
        SpinEdit1 = form.SpinEdit1;
        Button1 = form.Button1;
        Button2 = form.Button2;
        setUpControls();
    }

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setUpControls();

    Result<> (*m_apply)();
};
