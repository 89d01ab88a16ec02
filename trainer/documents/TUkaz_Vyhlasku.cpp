#include "trainer/documents/TUkaz_Vyhlasku.h"

#include "platform/ui/WidgetLook.h"
#include "trainer-components/pdf-viewer/TPdf.h"
#include "ui_TUkaz_Vyhlasku.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TUkaz_Vyhlasku *Ukaz_Vyhlasku = nullptr;

TUkaz_Vyhlasku::TUkaz_Vyhlasku(const QString &documentTitle, const QString &documentFile, QWidget *parent)
    : FormDialog(parent)
    , ui(std::make_unique<Ui::TUkaz_Vyhlasku>())
    , m_documentTitle(documentTitle)
    , m_documentFile(documentFile)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    ui->setupUi(this);
    Jmeno = ui->Jmeno;
    Pdf1 = ui->Pdf1;
    CheckBox1 = ui->CheckBox1;
    BitBtn2 = ui->BitBtn2;
    BitBtn1 = ui->BitBtn1;
    WidgetLook::setTextColor(Jmeno, Colors::clBlue);
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    connect(CheckBox1, &QCheckBox::clicked, this, &TUkaz_Vyhlasku::CheckBox1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TUkaz_Vyhlasku::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

TUkaz_Vyhlasku::~TUkaz_Vyhlasku() = default;

void TUkaz_Vyhlasku::FormShow()
{
    Jmeno->setText(m_documentTitle);
    Jmeno->adjustSize();
    Pdf1->LoadFile(m_documentFile);
    Pdf1->setShowToolbar(false);
    CheckBox1->setChecked(false);
    CheckBox1->setEnabled(true);
    BitBtn2->setEnabled(true);
    Pdf1->gotoFirstPage();
}

bool TUkaz_Vyhlasku::event(QEvent *event)
{
    const bool handled = FormDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TUkaz_Vyhlasku::FormActivate()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    Pdf1->setFocus();
}

void TUkaz_Vyhlasku::CheckBox1Click()
{
    Pdf1->setShowToolbar(CheckBox1->isChecked());
}

void TUkaz_Vyhlasku::BitBtn2Click()
{
    // The queue shows the job under the name the user chose it by.
    Pdf1->printAll(Jmeno->text());
}
