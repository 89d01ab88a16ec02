#include "calendar/year-dialogs/YearDialog.h"

#include "calendar/dialogs/DialogEnterKey.h"
#include "platform/ui/Application.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A year has at most four digits.
constexpr int YearLength = 4;

} // namespace

YearDialog::YearDialog(Result<> (*apply)(), QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_apply(apply)
{
}

void YearDialog::setUpControls()
{
    for (QLabel *label : findChildren<QLabel *>())
        WidgetLook::setTextColor(label, Colors::clBlue);
    // The form sets the range; the length belongs to the spin box's line
    // edit, which no form property reaches.
    SpinEdit1->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly)->setMaxLength(YearLength);
    connect(Button1, &QPushButton::clicked, this, &YearDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &YearDialog::Button2Click);
    withoutDefaultButton(*this);
    centreOnPrimaryScreen(*this);
}

void YearDialog::Button1Click()
{
    if (Application::showErrorBox(this, m_apply()))
        accept();
}

void YearDialog::Button2Click()
{
    reject();
}

// FormShow: OK has the focus.
void YearDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button1->setFocus();
}

void YearDialog::keyPressEvent(QKeyEvent *event)
{
    if (!handleEnterKey(*this, *event))
        QDialog::keyPressEvent(event);
}
