#include "trainer-components/web-host/RequestGuard.h"

void RequestGuard::allow(const QUrl &page)
{
    const QMutexLocker lock(&m_mutex);
    m_allowed = page.adjusted(QUrl::RemoveFragment);
}

void RequestGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl().adjusted(QUrl::RemoveFragment);
    const QMutexLocker lock(&m_mutex);
    if (url.isLocalFile() && url == m_allowed)
        return;
    info.block(true);
}
