#include "trainer-components/web-host/EngineEnvironment.h"

#include <QByteArray>

#include <unistd.h>

namespace EngineEnvironment {

void prepare()
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace EngineEnvironment
