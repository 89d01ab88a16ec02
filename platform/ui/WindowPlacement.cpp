#include "platform/ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnPrimaryScreen(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->geometry().center());
    window.move(frame.topLeft());
}
