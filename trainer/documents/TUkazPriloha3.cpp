#include "trainer/documents/TUkazPriloha3.h"

#include "trainer/documents/ExamRules.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TUkazPriloha3 *UkazPriloha3 = nullptr;

TUkazPriloha3::TUkazPriloha3(QWidget *parent) : FormDialog(parent), Memo1(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Zkušební řád vyhláška 50 / 1996 Sb."));
    setFixedSize(721, 453);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setFont(QFont(QStringLiteral("Arial Narrow"), 12));
    Memo1->setPlainText(examRulesText());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
}
