// From choosing the question-list item of the main window until the demo
// bank's list has loaded in its window: the first run starts the browser
// module and engine cold, the later ones find them loaded.
//   ClickToListBenchmark <runs>   (run with a display, or offscreen)

#include "platform/ui/Application.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer/main-window/TTitul.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

class LoadWatch : public QObject
{
    Q_OBJECT

public:
    LoadWatch(QWidget *window, QElapsedTimer &clock, std::vector<double> &times)
        : QObject(window), m_window(window), m_clock(clock), m_times(times)
    {
    }

public slots:
    void loaded()
    {
        m_times.push_back(double(m_clock.nsecsElapsed()) / 1e6);
        QTimer::singleShot(0, m_window, &QWidget::close);
    }

private:
    QWidget *m_window;
    QElapsedTimer &m_clock;
    std::vector<double> &m_times;
};

namespace {

// Waits for the list window to appear, times its page load and closes it.
void watchForList(QElapsedTimer &clock, std::vector<double> &times)
{
    auto *poll = new QTimer;
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &clock, &times] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            // The engine lives in the module only: the host is found and
            // connected by name, so this program never links it.
            QObject *host = w->objectName() == u"Web_Site" ? w->findChild<QObject *>(QStringLiteral("WebHost1"))
                                                          : nullptr;
            if (!host)
                continue;
            poll->stop();
            auto *done = new LoadWatch(w, clock, times);
            QObject::connect(host, SIGNAL(pageLoaded(bool)), done, SLOT(loaded()));
            poll->deleteLater();
            return;
        }
    });
    poll->start();
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 6;
    EngineEnvironment::prepare();
    Application app(argc, argv, QStringLiteral("Brelvik 2002"));
    TTitul window({QStringLiteral(CLICK_PROGRAM_FOLDER), {1024, 768}, QStringLiteral("/nonexistent-marker")});
    window.show();
    std::vector<double> times;
    QTimer::singleShot(0, &window, [&] {
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer clock;
            watchForList(clock, times);
            clock.start();
            window.Tiskyotzek1->trigger();
        }
        QApplication::exit(0);
    });
    QApplication::exec();
    if (times.empty())
        return 1;
    std::vector<double> warm(times.begin() + 1, times.end());
    std::sort(warm.begin(), warm.end());
    std::printf("menu click to loaded question list: cold %.0f ms, warm median %.0f ms (%zu runs)\n", times[0],
                warm.empty() ? 0.0 : warm[warm.size() / 2], warm.size());
    std::fflush(stdout);
    std::_Exit(0); // the main window would ask before closing
}

#include "ClickToListBenchmark.moc"
