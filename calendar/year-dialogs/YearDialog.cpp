#include "calendar/year-dialogs/YearDialog.h"

#include "calendar/dialogs/DialogEnterKey.h"
#include "platform/ui/Application.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

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
