#include "calendar/year-dialogs/TForm4.h"

#include "calendar/main-window/PageModel.h"
#include "calendar/year-dialogs/YearDialogLook.h"
#include "calendar/year-dialogs/YearDialogs.h"
#include "platform/ui/SpinEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TForm4 *Form4 = nullptr;

using namespace YearDialogLook;

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setUp(*this, QStringLiteral("Form4"), QStringLiteral("Změnit rok a měsíc"), 123);
    Label1 = addLabel(*this, QStringLiteral("Label1"), QStringLiteral("Změnit rok:"), 0);
    Label2 = addLabel(*this, QStringLiteral("Label2"), QStringLiteral("Změnit měsíc:"), 1);
    SpinEdit1 = addYearField(*this, 0);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(fieldRect(1));
    for (int page = PageModel::FirstMonthPage; page <= PageModel::LastMonthPage; ++page)
        ComboBox1->addItem(PageModel::tabCaption(page));
    Button1 = addButton(*this, QStringLiteral("Button1"), QStringLiteral("OK"), 0, 88);
    Button2 = addButton(*this, QStringLiteral("Button2"), QStringLiteral("Storno"), 1, 88);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
}

void TForm4::Button1Click()
{
    ApplyDocumentMonthYear();
    accept();
}

void TForm4::Button2Click()
{
    reject();
}

// FormShow: OK has the focus.
void TForm4::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button1->setFocus();
}
