#pragma once

#include "platform/result/Result.h"

#include <QDialog>
#include <QRect>

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
    // `apply` is what OK does before it closes the dialog. The buttons stand
    // at the foot of the client area.
    YearDialog(const QString &name, const QString &caption, int clientHeight, Result<> (*apply)(),
               QWidget *parent);

    // A row's label and its field beside it; row 0 is the year.
    QLabel *addLabel(const QString &name, const QString &text, int row);
    static QRect fieldRect(int row);

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Result<> (*m_apply)();
};
