#pragma once

#include "platform/result/Result.h"
#include "trainer-components/web-host/TPrintOptions.h"
#include "trainer-components/web-host/WebHostOptions.h"

#include <QFrame>
#include <QUrl>

#include <functional>
#include <memory>

class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;
class RequestGuard;

using HRESULT = qint32;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;

// The browser control of the trainer's two page windows: shows a local HTML
// page as a browser does, runs no script, fetches nothing but that page, asks
// its host before a context menu and prints the page without a dialog.
class TWebHost : public QFrame
{
    Q_OBJECT

public:
    // Menu id and position (screen coordinates) of the requested menu.
    using TShowContextMenuEvent = std::function<HRESULT(quint32 menuId, const QPoint &at)>;

    static constexpr quint32 ContextMenuDefault = 0;
    static inline const QString UserAgentKey = QStringLiteral(
        "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\User Agent\\Post Platform");

    explicit TWebHost(QWidget *owner);
    ~TWebHost() override;

    // After the owner has set the properties: writes the user-agent value,
    // which lives as long as the control.
    void AfterLoad();

    // A local file path, or a URL.
    void Navigate(const QString &target);

    // Prints the shown page on the default printer at once; nothing shown,
    // nothing printed.
    Result<> PrintDocument();
    // The shown page as the engine lays it out for printing (A4 portrait,
    // 19.05 mm margins), as PDF; empty when it cannot.
    QByteArray PageLayoutPdf();

    TDownloadControlOptions DownloadOptions() const { return m_downloadOptions; }
    void SetDownloadOptions(const TDownloadControlOptions &options);
    TUserInterfaceOptions UserInterfaceOptions() const { return m_userInterfaceOptions; }
    void SetUserInterfaceOptions(const TUserInterfaceOptions &options);
    // The answer to the browser's ambient download-control request.
    quint32 DownloadFlagsSum() const { return m_downloadSum; }
    // The flags of the host-information record.
    quint32 HostFlagsSum() const { return m_hostSum; }

    // Without a handler the engine's own menu shows; S_OK shows none.
    TShowContextMenuEvent OnShowContextMenu;
    // Whether the engine shows its menu for a request at this position.
    bool ShowContextMenu(const QPoint &at);

    TPrintOptions PrintOptions;
    // Stored only; no Linux counterpart gives them a behaviour.
    QString HelpFile;
    QString UserAgent; // name of the registry value
    bool ReplaceCaption = false;
    bool EnableDDE = false;
    bool fpExceptions = true;

    QWebEngineView *view() const { return m_view; }
    QWebEnginePage *page() const { return m_page.get(); }
    bool pageFailed() const { return m_renderFailed; }

signals:
    void pageLoaded(bool ok);
    void renderProcessEnded();
    // The page tried to leave for `url` (empty for a new window) and stays.
    void navigationRefused(const QUrl &url);

private:
    friend class HostPage;
    // Whether the page may go to `url`: only the load that Navigate asked for.
    bool acceptNavigation(const QUrl &url, bool typed, bool mainFrame);

    void applySettings();
    void renderProcessTerminated(int status);
    bool waitForLoad();

    std::unique_ptr<RequestGuard> m_guard;
    std::unique_ptr<QWebEngineProfile> m_profile;
    std::unique_ptr<QWebEnginePage> m_page;
    QWebEngineView *m_view = nullptr;
    TDownloadControlOptions m_downloadOptions;
    TUserInterfaceOptions m_userInterfaceOptions;
    quint32 m_downloadSum = 0;
    quint32 m_hostSum = 0;
    QUrl m_target;
    bool m_navigationAsked = false;
    bool m_loading = false;
    bool m_printing = false;
    bool m_renderFailed = false;
};
