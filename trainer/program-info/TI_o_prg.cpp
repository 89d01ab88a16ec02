#include "trainer/program-info/TI_o_prg.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"
#include "trainer-components/shadow-label/TShadowLabel.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer-components/version-info/TFileVersionInfo.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

#include <algorithm>

TI_o_prg *I_o_prg = nullptr;

namespace {

constexpr QSize ClientSize{565, 376};
constexpr int BottomPanelHeight = 47;
constexpr int ValueLeft = 104;
constexpr int RowHeight = 17;

QLabel *label(QWidget *parent, const QString &text, QPoint at, const char *name = nullptr)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->move(at);
    l->adjustSize();
    return l;
}

void setBold(QWidget *widget, int pointSize = 0, bool underline = false)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setUnderline(underline);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    widget->setFont(font);
}

TShadowLabel *shadowLabel(QWidget *parent, const QString &caption, QPoint at, const char *name)
{
    auto *l = new TShadowLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->SetShadowColor(Colors::clWhite);
    l->SetTransparent(true);
    l->SetCaption(caption);
    l->move(at);
    return l;
}

// A caption label and its value label on one row; the value is returned.
QLabel *row(QWidget *parent, const QString &caption, int top, const char *name)
{
    const QLabel *captionLabel = label(parent, caption, {10, top});
    // The captions keep their runs of blanks, which a proportional font may
    // make wider than the usual value column.
    const int left = std::max(ValueLeft, captionLabel->x() + captionLabel->width() + 4);
    QLabel *value = label(parent, QString(), {left, top}, name);
    value->setMinimumWidth(100);
    return value;
}

// The values of one panel start in one column, right of the widest caption.
void alignValues(std::initializer_list<QLabel *> values)
{
    int left = 0;
    for (const QLabel *value : values)
        left = std::max(left, value->x());
    for (QLabel *value : values)
        value->move(left, value->y());
}

QFrame *panel(QWidget *parent, QFrame::Shadow shadow, QRect geometry)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setGeometry(geometry);
    return frame;
}

void showValue(QLabel *value, const QString &text)
{
    WidgetLook::setLabelText(value, text);
    value->adjustSize();
}

} // namespace

TI_o_prg::TI_o_prg(const QString &programVersion, const QString &versionDate, const TFileVersionInfo &versionInfo,
                   QWidget *parent)
    : QDialog(parent)
    , m_programVersion(programVersion)
    , m_versionDate(versionDate)
    , m_versionInfo(versionInfo)
{
    setWindowTitle(QStringLiteral("Informace o programu ..."));
    setFixedSize(ClientSize);
    buildUpperArea(panel(this, QFrame::Raised, {0, 0, ClientSize.width(), ClientSize.height() - BottomPanelHeight}));
    buildBottomPanel(panel(this, QFrame::Raised, {0, ClientSize.height() - BottomPanelHeight, ClientSize.width(),
                                                  BottomPanelHeight}));
}

void TI_o_prg::buildUpperArea(QWidget *area)
{
    auto *Image1 = new QLabel(area);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    Image1->setGeometry(24, 24, 32, 32);

    TShadowLabel *ShadowLabel1 = shadowLabel(area, QStringLiteral("Aktuální verze programu:"), {72, 20}, "ShadowLabel1");
    setBold(ShadowLabel1, 10);
    ShadowLabel1->SetFontColor(Colors::clNavy);
    Verze = shadowLabel(area, QString(), {72, 42}, "Verze");
    setBold(Verze);
    Verze->SetFontColor(Colors::clRed);

    auto *info = new QGroupBox(QStringLiteral(" Program info "), area);
    info->setGeometry(16, 72, 262, 130);
    setBold(info);
    WidgetLook::setTextColor(info, Colors::clBlue);
    Exec = row(info, QStringLiteral("Spustitelný     :"), 22, "Exec");
    Komentar = row(info, QStringLiteral("Komentář       :"), 22 + RowHeight, "Komentar");
    Descript = row(info, QStringLiteral("Popis prog.    :"), 22 + 2 * RowHeight, "Descript");
    ExeVersion = row(info, QStringLiteral("Verze EXE     :"), 22 + 3 * RowHeight, "ExeVersion");
    Country = row(info, QStringLiteral("Country code :"), 22 + 4 * RowHeight, "Country");
    for (QWidget *caption : info->findChildren<QLabel *>()) {
        QFont plain = caption->font();
        plain.setBold(false);
        caption->setFont(plain);
        WidgetLook::setTextColor(caption, Colors::clBlack);
    }
    setBold(Exec);
    WidgetLook::setTextColor(Exec, Colors::clRed);
    setBold(Komentar);
    WidgetLook::setTextColor(Komentar, Colors::clNavy);
    Descript->setFixedWidth(163);
    alignValues({Exec, Komentar, Descript, ExeVersion, Country});

    QFrame *system = panel(area, QFrame::Sunken, {290, 72, 260, 130});
    TShadowLabel *ShadowLabel2 = shadowLabel(system, QStringLiteral("System info:"), {8, 4}, "ShadowLabel2");
    setBold(ShadowLabel2, 10, true);
    ShadowLabel2->SetFontColor(Colors::clNavy);
    cpus = row(system, QStringLiteral("CPU(s)              :"), 24, "cpus");
    setBold(cpus);
    WidgetLook::setTextColor(cpus, Colors::clRed);
    xx = row(system, QStringLiteral("Swap file size     :"), 24 + RowHeight, "xx");
    xx2 = row(system, QStringLiteral("Usage swap  file :"), 24 + 2 * RowHeight, "xx2");
    QLabel *ramHeading = label(system, QStringLiteral("RAM:"), {10, 24 + 3 * RowHeight});
    setBold(ramHeading, 0, true);
    ramHeading->adjustSize();
    WidgetLook::setTextColor(ramHeading, Colors::clRed);
    ram = row(system, QStringLiteral("Total physical    :"), 24 + 4 * RowHeight, "ram");
    ram2 = row(system, QStringLiteral("Free RAM          :"), 24 + 5 * RowHeight, "ram2");
    alignValues({cpus, xx, xx2, ram, ram2});

    QFrame *mailingList = panel(area, QFrame::Sunken, {16, 208, 534, 74});
    label(mailingList, QStringLiteral("Pokud se zaregistrujete do konference na www, kde Vás odkáže odklepnutí"), {10, 6});
    label(mailingList, QStringLiteral("tohoto tlačítka, bude Vám vždy oznámeno zveřejnění nové verze e-mailem."),
          {10, 22});
    BitBtn2 = new QPushButton(QStringLiteral("Zaregistrovat se do konference na WWW"), mailingList);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    setBold(BitBtn2);
    BitBtn2->setCursor(Qt::PointingHandCursor);
    BitBtn2->setGeometry(10, 42, 300, 25);
    connect(BitBtn2, &QPushButton::clicked, this, &TI_o_prg::BitBtn2Click);

    Label1 = label(area, QStringLiteral("Klikni tady a vstup na stránku Kestrin, může tam být nová verze:"), {16, 296},
                   "Label1");
    QFont link = Label1->font();
    link.setUnderline(true);
    Label1->setFont(link);
    Label1->adjustSize();
    WidgetLook::setTextColor(Label1, Colors::clBlue);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(QStringLiteral("Spustí IE a nastavenou stránku Kestrin"));
    Label1->installEventFilter(this);
}

void TI_o_prg::buildBottomPanel(QWidget *panel)
{
    QLabel *maker = label(panel, QStringLiteral("Kestrin"), {16, 16});
    WidgetLook::setTextColor(maker, Colors::clGray);
    BitBtn1 = new QPushButton(QStringLiteral("&Zavřít okno"), panel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BitBtn1->setGeometry(panel->width() - 132 - 16, 12, 132, 24);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
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
    showValue(Exec, QFileInfo(m_versionInfo.ExecutableFile()).fileName());
    showValue(Descript, m_versionInfo.FileDescription());
    Verze->SetCaption(m_programVersion + QStringLiteral("  (ze dne: ") + m_versionDate + u')');
    showValue(Komentar, m_versionInfo.Comments());
    showValue(ExeVersion, m_versionInfo.FileVersion());
    showValue(Country, m_versionInfo.CountryCode());
    showValue(cpus, QString::number(CpuCount()));
    showValue(xx, QString::number(SwapFileBytesUsed()));
    showValue(xx2, QString::number(SwapFileUsagePercent()));
    showValue(ram, QString::number(PhysicalMemoryTotal()));
    showValue(ram2, QString::number(PhysicalMemoryFree()));
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
