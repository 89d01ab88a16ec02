#include "calendar/main-window/TAboutBox.h"

#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include "ui_TAboutBox.h"

#include <QPushButton>
#include <QStyle>

TAboutBox *AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    WidgetLook::setColor(*ui->ProductName, QPalette::WindowText, Colors::clBlue);
    WidgetLook::setColor(*ui->Version, QPalette::WindowText, Colors::clPurple);
    connect(ui->OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    centreOnPrimaryScreen(*this);
}

TAboutBox::~TAboutBox() = default;

// The icon themes are read at the first lookup of a picture: not at start-up.
void TAboutBox::showEvent(QShowEvent *event)
{
    if (ui->ProgramIcon->pixmap().isNull())
        ui->ProgramIcon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(65, 57));
    QDialog::showEvent(event);
}

void TAboutBox::OKButtonClick()
{
    accept();
}
