#include "trainer-components/web-host/EngineEnvironment.h"

#include <QCoreApplication>

#include <unistd.h>

namespace EngineEnvironment {

void prepare()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace EngineEnvironment
