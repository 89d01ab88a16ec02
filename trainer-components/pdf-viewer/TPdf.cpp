#include "trainer-components/pdf-viewer/TPdf.h"

#include "platform/printing/Printing.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/messages/ComponentMessages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr qreal ZoomStep = 1.25;
constexpr qreal SmallestZoom = 0.1;
constexpr qreal LargestZoom = 8.0;

} // namespace

TPdf::TPdf(QWidget *parent)
    : QWidget(parent)
    , m_document(new QPdfDocument(this))
    , m_view(new QPdfView(this))
    , m_toolbar(new QToolBar(this))
{
    m_view->setObjectName(QStringLiteral("PdfView"));
    m_view->setDocument(m_document);
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    setFocusProxy(m_view);
    buildToolbar();
    m_toolbar->hide();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_view, 1);
    connect(m_view->pageNavigator(), &QPdfPageNavigator::currentPageChanged, this, &TPdf::showPosition);
    connect(m_document, &QPdfDocument::pageCountChanged, this, &TPdf::showPosition);
}

// The document and view die with the QWidget base, after this object has
// stopped being a TPdf: their last signals must not reach it.
TPdf::~TPdf()
{
    disconnect(m_document, nullptr, this, nullptr);
    disconnect(m_view->pageNavigator(), nullptr, this, nullptr);
}

void TPdf::buildToolbar()
{
    m_toolbar->setObjectName(QStringLiteral("PdfToolbar"));
    const auto add = [this](QStyle::StandardPixmap icon, const QString &text, const char *name) {
        QAction *action = m_toolbar->addAction(style()->standardIcon(icon), text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    m_firstPage = add(QStyle::SP_MediaSkipBackward, QStringLiteral("První strana"), "FirstPage");
    connect(m_firstPage, &QAction::triggered, this, &TPdf::gotoFirstPage);
    m_previousPage = add(QStyle::SP_ArrowBack, QStringLiteral("Předchozí strana"), "PreviousPage");
    connect(m_previousPage, &QAction::triggered, this, [this] { goToPage(currentPage() - 1); });
    m_pageNumber = new QLabel(m_toolbar);
    m_pageNumber->setObjectName(QStringLiteral("PageNumber"));
    m_pageNumber->setTextFormat(Qt::PlainText);
    m_pageNumber->setContentsMargins(6, 0, 6, 0);
    m_toolbar->addWidget(m_pageNumber);
    m_nextPage = add(QStyle::SP_ArrowForward, QStringLiteral("Další strana"), "NextPage");
    connect(m_nextPage, &QAction::triggered, this, [this] { goToPage(currentPage() + 1); });
    m_lastPage = add(QStyle::SP_MediaSkipForward, QStringLiteral("Poslední strana"), "LastPage");
    connect(m_lastPage, &QAction::triggered, this, [this] { goToPage(m_document->pageCount() - 1); });
    m_toolbar->addSeparator();
    const auto addText = [this](const QString &text, const char *name) {
        QAction *action = m_toolbar->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(addText(QStringLiteral("−"), "ZoomOut"), &QAction::triggered, this, [this] { zoomBy(1 / ZoomStep); });
    connect(addText(QStringLiteral("+"), "ZoomIn"), &QAction::triggered, this, [this] { zoomBy(ZoomStep); });
    connect(addText(QStringLiteral("Na šířku"), "FitWidth"), &QAction::triggered, this,
            [this] { m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
    connect(addText(QStringLiteral("Celá strana"), "FitPage"), &QAction::triggered, this,
            [this] { m_view->setZoomMode(QPdfView::ZoomMode::FitInView); });
}

bool TPdf::LoadFile(const QString &path)
{
    const bool loaded = m_document->load(path) == QPdfDocument::Error::None;
    m_loadedFile = path;
    showPosition();
    return loaded;
}

void TPdf::setShowToolbar(bool show)
{
    m_toolbar->setVisible(show);
}

void TPdf::gotoFirstPage()
{
    goToPage(0);
}

int TPdf::currentPage() const
{
    return m_view->pageNavigator()->currentPage();
}

void TPdf::goToPage(int page)
{
    if (m_document->pageCount() <= 0)
        return;
    page = std::clamp(page, 0, m_document->pageCount() - 1);
    m_view->pageNavigator()->jump(page, QPointF(), m_view->pageNavigator()->currentZoom());
    showPosition();
}

void TPdf::zoomBy(qreal factor)
{
    const qreal zoom = std::clamp(m_view->zoomFactor() * factor, SmallestZoom, LargestZoom);
    m_view->setZoomMode(QPdfView::ZoomMode::Custom);
    m_view->setZoomFactor(zoom);
}

void TPdf::showPosition()
{
    const int pages = m_document->pageCount();
    const int page = currentPage();
    m_pageNumber->setText(pages > 0 ? QStringLiteral("%1 / %2").arg(page + 1).arg(pages) : QString());
    m_firstPage->setEnabled(page > 0);
    m_previousPage->setEnabled(page > 0);
    m_nextPage->setEnabled(page < pages - 1);
    m_lastPage->setEnabled(page < pages - 1);
}

void TPdf::keyPressEvent(QKeyEvent *event)
{
    // The document view leaves Home and End to its parent.
    if (event->key() == Qt::Key_Home)
        gotoFirstPage();
    else if (event->key() == Qt::Key_End)
        goToPage(m_document->pageCount() - 1);
    else
        QWidget::keyPressEvent(event);
}

void TPdf::printAll(const QString &documentName)
{
    if (m_document->pageCount() == 0) {
        MessageBox::show(this, ComponentMessages::documentNotPrinted(), QStringLiteral("Chyba:"));
        return;
    }
    // The document goes to the printer as it is; its printer renders it.
    const std::unique_ptr<QPrinter> printer = Printing::makePrinter();
    const Result<> printed = Printing::printPdfFile(*printer, m_loadedFile, documentName);
    if (!printed)
        MessageBox::show(this, ComponentMessages::documentNotPrinted() + u'\n' + printed.error(),
                         QStringLiteral("Chyba:"));
}
