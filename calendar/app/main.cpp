#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zoziruzo"));
    QMainWindow window;
    window.show();
    return QApplication::exec();
}
