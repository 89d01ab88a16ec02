// The yardstick of the start-up benchmark: a bare Qt Widgets window with a
// menu and a status bar.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Soubor"))->addAction(QStringLiteral("&Konec"));
    window.statusBar()->showMessage(QStringLiteral("Připraven"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
