#include "calendar/year-dialogs/TForm5.h"

#include "calendar/year-dialogs/YearDialogLook.h"
#include "calendar/year-dialogs/YearDialogs.h"
#include "platform/ui/SpinEdit.h"

#include <QLabel>
#include <QPushButton>

TForm5 *Form5 = nullptr;

using namespace YearDialogLook;

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setUp(*this, QStringLiteral("Form5"), QStringLiteral("Změnit rok"), 94);
    Label1 = addLabel(*this, QStringLiteral("Label1"), QStringLiteral("Změnit rok:"), 0);
    SpinEdit1 = addYearField(*this, 0);
    Button1 = addButton(*this, QStringLiteral("Button1"), QStringLiteral("OK"), 0, 56);
    Button2 = addButton(*this, QStringLiteral("Button2"), QStringLiteral("Storno"), 1, 56);
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
}

void TForm5::Button1Click()
{
    ApplyProjectYear();
    accept();
}

void TForm5::Button2Click()
{
    reject();
}

// FormShow: OK has the focus.
void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button1->setFocus();
}
