#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brelvik 2002"));
    QMainWindow window;
    window.show();
    return QApplication::exec();
}
