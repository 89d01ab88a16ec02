#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

// Test support: acts on a modal window once it is shown and active, from
// inside its own event loop, the way a user would. Keys sent before the window
// is active may reach no one. The window is a dialog.
template <typename Window>
void whenShown(Window *const &live, std::function<void(Window *)> act)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &live, act] {
        if (!live || !live->isVisible() || !live->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        act(live);
        // A failed check leaves the dialog open; end it so the test goes on.
        if (QTest::currentTestFailed() && live && live->isVisible())
            live->done(QDialog::Rejected);
    });
    timer->start();
}
