#include "trainer-components/shadow-label/IsAppWindowActive.h"

#include <QApplication>

bool IsAppWindowActive()
{
    // Qt only ever reports the application's own windows as active.
    return QApplication::activeWindow() != nullptr;
}
