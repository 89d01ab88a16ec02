#pragma once

#include <QMutex>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

// Lets through the one local page the host navigated to and blocks every other
// request: the pages carry bank texts unescaped, so whatever markup they hold
// must fetch nothing.
class RequestGuard : public QWebEngineUrlRequestInterceptor
{
public:
    void allow(const QUrl &page);
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    QMutex m_mutex;
    QUrl m_allowed;
};
