#include "trainer/browser-windows/PageWindow.h"

#include "platform/ui/MessageBox.h"
#include "trainer-components/web-host/TWebHost.h"
#include "trainer/messages/TrainerMessages.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QStyle>
#include <QWindow>

#include <utility>

PageWindow::PageWindow(QWidget *parent) : QDialog(parent)
{
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
}

QIcon PageWindow::printGlyph()
{
    // A desktop without an icon theme has no printer icon: the glyph of the
    // document viewer's print button stands in.
    return QIcon::fromTheme(QStringLiteral("document-print"),
                            QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton));
}

void PageWindow::setUpWebHost(TWebHost *host)
{
    WebHost1 = host;
    WebHost1->SetDownloadOptions({});
    WebHost1->SetUserInterfaceOptions({});
    TPrintOptions &print = WebHost1->PrintOptions;
    print.Header = QStringLiteral("&w&bStránka č. &p z &P");
    print.Footer = QStringLiteral("&u&b&d");
    print.SetHTMLHeader({QStringLiteral("<HTML></HTML>")});
    print.Margins = {19.05, 19.05, 19.05, 19.05};
    print.Orientation = TPrintOrientationOption::poPortrait;
    WebHost1->ReplaceCaption = false;
    WebHost1->EnableDDE = false;
    WebHost1->fpExceptions = true;
    // WebHost1ShowContextMenu: the page shows no menu.
    WebHost1->OnShowContextMenu = [](quint32, const QPoint &) { return S_OK; };
    WebHost1->AfterLoad();
}

void PageWindow::printPage()
{
    if (const Result<> printed = WebHost1->PrintDocument(); !printed)
        MessageBox::show(this, printed.error(), TrainerMessages::pagePrintCaption());
}

void PageWindow::setVisible(bool visible)
{
    // Opened maximized, over the designed size each form sets.
    if (visible && !isVisible())
        setWindowState(windowState() | Qt::WindowMaximized);
    QDialog::setVisible(visible);
}

bool PageWindow::event(QEvent *event)
{
    // The browser's composited view makes Qt replace the shown window's
    // native window; the replacement is mapped without the window's state, and
    // the window manager's answer would leave the page window unmaximized. It
    // is mapped without the modality too, which would leave the window it was
    // opened from taking input.
    if (event->type() == QEvent::WinIdChange && isVisible() && internalWinId()) {
        m_stateOfReplacedWindow = windowState();
        windowHandle()->setModality(windowModality());
    }
    return QDialog::event(event);
}

void PageWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void PageWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        keepStateOfReplacedWindow();
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // The window manager answers before it activates the replacement;
        // any later change of state is the user's.
        m_stateOfReplacedWindow.reset();
        FormActivate();
    }
}

void PageWindow::keepStateOfReplacedWindow()
{
    const Qt::WindowStates kept = std::exchange(m_stateOfReplacedWindow, std::nullopt).value_or(windowState());
    if (kept != windowState())
        setWindowState(kept);
}

void PageWindow::FormActivate()
{
    WebHost1->setFocus();
}
