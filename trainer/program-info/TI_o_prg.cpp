#include "trainer/program-info/TI_o_prg.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"
#include "trainer-components/shadow-label/TShadowLabel.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer-components/version-info/TFileVersionInfo.h"
#include "ui_TI_o_prg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

TI_o_prg *I_o_prg = nullptr;

TI_o_prg::TI_o_prg(const QString &programVersion, const QString &versionDate, const TFileVersionInfo &versionInfo,
                   QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TI_o_prg>())
    , m_programVersion(programVersion)
    , m_versionDate(versionDate)
    , m_versionInfo(versionInfo)
{
    ui->setupUi(this);
    setFixedSize(size());
    Verze = ui->Verze;
    Exec = ui->Exec;
    Komentar = ui->Komentar;
    Descript = ui->Descript;
    ExeVersion = ui->ExeVersion;
    Country = ui->Country;
    cpus = ui->cpus;
    xx = ui->xx;
    xx2 = ui->xx2;
    ram = ui->ram;
    ram2 = ui->ram2;
    Label1 = ui->Label1;
    BitBtn1 = ui->BitBtn1;
    BitBtn2 = ui->BitBtn2;
    WidgetLook::setPlainTextLabels(this);
    WidgetLook::fitAutoSizedLabels(this);
    setUpLooks();
    Label1->installEventFilter(this);
    connect(BitBtn2, &QPushButton::clicked, this, &TI_o_prg::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

TI_o_prg::~TI_o_prg() = default;

void TI_o_prg::setUpLooks()
{
    using namespace Colors;
    ui->Image1->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    for (TShadowLabel *label : {ui->ShadowLabel1, ui->ShadowLabel2, Verze}) {
        label->SetShadowColor(clWhite);
        label->SetTransparent(true);
    }
    ui->ShadowLabel1->SetCaption(QStringLiteral("Aktuální verze programu:"));
    ui->ShadowLabel1->SetFontColor(clNavy);
    ui->ShadowLabel2->SetCaption(QStringLiteral("System info:"));
    ui->ShadowLabel2->SetFontColor(clNavy);
    Verze->SetFontColor(clRed);

    WidgetLook::setTextColor(ui->GroupBox1, clBlue);
    for (QLabel *label : ui->GroupBox1->findChildren<QLabel *>())
        WidgetLook::setTextColor(label, clBlack);
    WidgetLook::setTextColor(Exec, clRed);
    WidgetLook::setTextColor(Komentar, clNavy);
    WidgetLook::setTextColor(cpus, clRed);
    WidgetLook::setTextColor(ui->Label10, clRed);
    WidgetLook::setTextColor(Label1, clBlue);
    WidgetLook::setTextColor(ui->Label15, clGray);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void TI_o_prg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Centred over the main window, which is the active one as this opens.
    if (const QWidget *over = QApplication::activeWindow(); over && over != this) {
        QRect frame = frameGeometry();
        frame.moveCenter(over->frameGeometry().center());
        move(frame.topLeft());
    } else {
        centreOnPrimaryScreen(*this);
    }
    FormShow();
}

void TI_o_prg::FormShow()
{
    WidgetLook::setLabelText(Exec, QFileInfo(m_versionInfo.ExecutableFile()).fileName());
    WidgetLook::setLabelText(Descript, m_versionInfo.FileDescription());
    Verze->SetCaption(m_programVersion + QStringLiteral("  (ze dne: ") + m_versionDate + u')');
    WidgetLook::setLabelText(Komentar, m_versionInfo.Comments());
    WidgetLook::setLabelText(ExeVersion, m_versionInfo.FileVersion());
    WidgetLook::setLabelText(Country, m_versionInfo.CountryCode());
    WidgetLook::setLabelText(cpus, QString::number(CpuCount()));
    WidgetLook::setLabelText(xx, QString::number(SwapFileBytesUsed()));
    WidgetLook::setLabelText(xx2, QString::number(SwapFileUsagePercent()));
    WidgetLook::setLabelText(ram, QString::number(PhysicalMemoryTotal()));
    WidgetLook::setLabelText(ram2, QString::number(PhysicalMemoryFree()));
}

bool TI_o_prg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TI_o_prg::Label1Click()
{
    openPage("/www/kestrin/Index.htm");
}

void TI_o_prg::BitBtn2Click()
{
    openPage("/www/kestrin/Konference2.htm");
}

void TI_o_prg::openPage(const char *path)
{
    const QUrl page(QString::fromLatin1(MakerHost) + QString::fromLatin1(path));
    if (!QDesktopServices::openUrl(page))
        MessageBox::show(this, QStringLiteral("Není instalována Internetová služba !!! "), QStringLiteral("Chyba:"));
}
