#pragma once

#include "trainer/form-dialog/FormDialog.h"

#include <memory>

class QPlainTextEdit;

namespace Ui {
class TUkazPriloha3;
}

// The exam rules as a read-only text.
class TUkazPriloha3 : public FormDialog
{
    Q_OBJECT

public:
    explicit TUkazPriloha3(QWidget *parent = nullptr);
    ~TUkazPriloha3() override;

    QPlainTextEdit *Memo1;

private:
    void FormShow() override {}

    std::unique_ptr<Ui::TUkazPriloha3> ui;
};

// The rules window while it runs modally, or null.
extern TUkazPriloha3 *UkazPriloha3;
