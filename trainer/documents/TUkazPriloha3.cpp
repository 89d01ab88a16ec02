#include "trainer/documents/TUkazPriloha3.h"

#include "trainer/documents/ExamRules.h"
#include "ui_TUkazPriloha3.h"

#include <QPlainTextEdit>

TUkazPriloha3 *UkazPriloha3 = nullptr;

TUkazPriloha3::TUkazPriloha3(QWidget *parent) : FormDialog(parent), ui(std::make_unique<Ui::TUkazPriloha3>())
{
    ui->setupUi(this);
    setFixedSize(size());
    Memo1 = ui->Memo1;
    Memo1->setPlainText(examRulesText());
}

TUkazPriloha3::~TUkazPriloha3() = default;
