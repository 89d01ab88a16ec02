#pragma once

#include "trainer/form-dialog/FormDialog.h"

class QPlainTextEdit;

// The exam rules as a read-only text.
class TUkazPriloha3 : public FormDialog
{
    Q_OBJECT

public:
    explicit TUkazPriloha3(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;

private:
    void FormShow() override {}
};

// The rules window while it runs modally, or null.
extern TUkazPriloha3 *UkazPriloha3;
