#pragma once

#include <QDialog>

// A dialog window of the trainer: centred on the primary screen, its show
// handler runs at the first showing, and Esc leaves it open (none of them has
// a cancel button).
class FormDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

protected:
    virtual void FormShow() = 0;

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_shown = false;
};
