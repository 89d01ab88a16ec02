#include "trainer-components/web-host/TWebHost.h"

#include "platform/registry/Registry.h"
#include "platform/text/LocaleTexts.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/messages/ComponentMessages.h"
#include "trainer-components/web-host/PagePrinter.h"
#include "trainer-components/web-host/RequestGuard.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QDate>
#include <QEventLoop>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

// Qt's own global share context, which the engine renders with. Qt makes it
// at start when Qt::AA_ShareOpenGLContexts is set before the application;
// the trainer does not set it, so that its start costs no OpenGL context.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

// Made once, when the first browser control is, before the engine starts;
// it lives as long as the application.
void ensureShareContext()
{
    if (qt_gl_global_share_context())
        return;
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// Pages that set no font show in a serif face at 16 px, "Times New Roman"'s
// metric twin.
const QString StandardFont = QStringLiteral("Liberation Serif");
constexpr int StandardFontPixels = 16;

class HostView : public QWebEngineView
{
public:
    HostView(TWebHost *host) : QWebEngineView(host), m_host(host) {}

protected:
    void contextMenuEvent(QContextMenuEvent *event) override
    {
        if (m_host->ShowContextMenu(event->globalPos()))
            QWebEngineView::contextMenuEvent(event);
    }

private:
    TWebHost *m_host;
};

QUrl withoutFragment(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveFragment);
}

QString pageAddress(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

} // namespace

// The page asks its host before it goes anywhere, and opens no window: bank
// texts hold markup that could take it elsewhere (a refresh, a link, a form).
class HostPage : public QWebEnginePage
{
public:
    HostPage(QWebEngineProfile *profile, TWebHost *host) : QWebEnginePage(profile), m_host(host) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        return m_host->acceptNavigation(url, type == NavigationTypeTyped, isMainFrame);
    }
    QWebEnginePage *createWindow(WebWindowType) override
    {
        emit m_host->navigationRefused(QUrl());
        return nullptr;
    }

private:
    TWebHost *m_host;
};

TWebHost::TWebHost(QWidget *owner)
    : QFrame(owner)
    , m_guard(std::make_unique<RequestGuard>())
    , m_profile((ensureShareContext(), std::make_unique<QWebEngineProfile>()))
    , m_page(std::make_unique<HostPage>(m_profile.get(), this))
{
    m_profile->setUrlRequestInterceptor(m_guard.get());
    m_view = new HostView(this);
    m_view->setPage(m_page.get());
    setFocusProxy(m_view);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    connect(m_page.get(), &QWebEnginePage::loadFinished, this, [this](bool ok) {
        m_loading = false;
        emit pageLoaded(ok);
    });
    connect(m_page.get(), &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                renderProcessTerminated(int(status));
            });
    SetDownloadOptions({TDownloadControlOption::DLCTL_DLIMAGES, TDownloadControlOption::DLCTL_VIDEOS,
                        TDownloadControlOption::DLCTL_BGSOUNDS});
    SetUserInterfaceOptions({});
}

TWebHost::~TWebHost()
{
    if (const std::unique_ptr<RegistryKey> key = RegistryKey::open(UserAgentKey, false))
        key->deleteValue(UserAgent);
    // The page goes before its profile, the view before both.
    delete m_view;
    m_page.reset();
    m_profile.reset();
}

void TWebHost::AfterLoad()
{
    if (const std::unique_ptr<RegistryKey> key = RegistryKey::open(UserAgentKey, true))
        key->writeString(UserAgent, QString());
}

void TWebHost::SetDownloadOptions(const TDownloadControlOptions &options)
{
    m_downloadOptions = options;
    m_downloadSum = ::DownloadFlagsSum(options);
    applySettings();
}

void TWebHost::SetUserInterfaceOptions(const TUserInterfaceOptions &options)
{
    m_userInterfaceOptions = options;
    m_hostSum = ::HostFlagsSum(options);
    applySettings();
}

void TWebHost::applySettings()
{
    using Option = TDownloadControlOption;
    QWebEngineSettings *s = m_page->settings();
    // Scripts never run and nothing beyond the page loads, whatever the flags.
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadImages, m_downloadOptions.contains(Option::DLCTL_DLIMAGES));
    s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture,
                    !m_downloadOptions.contains(Option::DLCTL_VIDEOS));
    m_page->setAudioMuted(!m_downloadOptions.contains(Option::DLCTL_BGSOUNDS));
    s->setAttribute(QWebEngineSettings::ShowScrollBars,
                    !m_userInterfaceOptions.contains(TUserInterfaceOption::SCROLL_NO));
    setFrameStyle(m_userInterfaceOptions.contains(TUserInterfaceOption::NO3DBORDER)
                      ? QFrame::NoFrame
                      : QFrame::StyledPanel | QFrame::Sunken);
    s->setDefaultTextEncoding(QStringLiteral("windows-1250"));
    s->setFontFamily(QWebEngineSettings::StandardFont, StandardFont);
    s->setFontFamily(QWebEngineSettings::SerifFont, StandardFont);
    s->setFontSize(QWebEngineSettings::DefaultFontSize, StandardFontPixels);
}

void TWebHost::Navigate(const QString &target)
{
    m_target = QFileInfo(target).isAbsolute() ? QUrl::fromLocalFile(target) : QUrl(target);
    m_guard->allow(m_target);
    m_navigationAsked = true;
    m_loading = true;
    m_renderFailed = false;
    m_page->load(m_target);
}

bool TWebHost::acceptNavigation(const QUrl &url, bool typed, bool mainFrame)
{
    if (m_navigationAsked && typed && mainFrame && withoutFragment(url) == withoutFragment(m_target)) {
        m_navigationAsked = false;
        return true;
    }
    emit navigationRefused(url);
    return false;
}

bool TWebHost::ShowContextMenu(const QPoint &at)
{
    return !OnShowContextMenu || OnShowContextMenu(ContextMenuDefault, at) != S_OK;
}

void TWebHost::renderProcessTerminated(int status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    m_renderFailed = true;
    m_loading = false;
    emit renderProcessEnded();
    MessageBox::show(window(), ComponentMessages::rendererEnded(), ComponentMessages::rendererEndedCaption());
}

bool TWebHost::waitForLoad()
{
    if (m_loading) {
        QEventLoop loop;
        connect(this, &TWebHost::pageLoaded, &loop, &QEventLoop::quit);
        connect(this, &TWebHost::renderProcessEnded, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return !m_renderFailed;
}

QByteArray TWebHost::PageLayoutPdf()
{
    const double margin = PagePrinter::MarginMillimetres;
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    QByteArray pdf;
    bool done = false;
    QEventLoop loop;
    connect(this, &TWebHost::renderProcessEnded, &loop, &QEventLoop::quit);
    m_page->printToPdf(
        [&pdf, &done, &loop](const QByteArray &result) {
            pdf = result;
            done = true;
            loop.quit();
        },
        layout);
    if (!done)
        loop.exec();
    return pdf;
}

Result<> TWebHost::PrintDocument()
{
    if (m_target.isEmpty() || m_printing)
        return {};
    m_printing = true;
    const auto printed = [this](Result<> outcome) {
        m_printing = false;
        return outcome;
    };
    if (!waitForLoad())
        return printed(Failure{ComponentMessages::pageNotPrinted(ComponentMessages::pageNotShown())});
    PagePrinter::Job job;
    job.pdf = PageLayoutPdf();
    if (job.pdf.isEmpty())
        return printed(Failure{ComponentMessages::pageNotPrepared()});
    job.header = PrintOptions.Header;
    job.footer = PrintOptions.Footer;
    job.facts.title = m_page->title();
    job.facts.address = pageAddress(m_page->url());
    job.facts.date = LocaleTexts::shortDate(QDate::currentDate());
    return printed(PagePrinter::print(job));
}
