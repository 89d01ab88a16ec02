#include "platform/ui/Application.h"

#include "platform/ui/MessageBox.h"

#include <QFontInfo>
#include <QLabel>
#include <QTimer>
#include <QTest>

#include <stdexcept>

namespace {

// Throws from its event handler, as a failing handler of the programs does.
class FailingHandler : public QObject
{
public:
    int handled = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        throw std::runtime_error("'2003a' is not a valid integer value");
    }
};

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void titleIsTheApplicationName()
    {
        QCOMPARE(QApplication::applicationName(), QString("Zoziruzo"));
        QWidget window;
        window.setWindowTitle("Zoziruzo - Rok.cpr");
        QCOMPARE(window.windowTitle(), QString("Zoziruzo - Rok.cpr"));
    }

    void escapedErrorIsShownAndTheProgramGoesOn()
    {
        MessageBox::Script script;
        FailingHandler handler;
        QEvent sent(QEvent::User);
        QVERIFY(!QCoreApplication::sendEvent(&handler, &sent));
        QCoreApplication::postEvent(&handler, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(handler.handled, 2);
        QCOMPARE(script.requests().size(), size_t(2));
        for (const MessageBox::Request &request : script.requests()) {
            QCOMPARE(request.text, QString("'2003a' is not a valid integer value"));
            QCOMPARE(request.caption, QString("Zoziruzo"));
            QCOMPARE(request.buttons, MessageBox::Buttons(MessageBox::Ok));
            QCOMPARE(request.icon, MessageBox::Icon::Error);
        }
    }

    void errorTextKeepsItsCharacters()
    {
        MessageBox::Script script;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, &timer, [] {
            throw std::runtime_error(QStringLiteral("Soubor „Česky.cln“ chybí").toStdString());
        });
        timer.setSingleShot(true);
        timer.start(0);
        QTRY_COMPARE(script.requests().size(), size_t(1));
        QCOMPARE(script.requests().front().text, QStringLiteral("Soubor „Česky.cln“ chybí"));
    }

    void fontsResolveToTheLiberationFamilies_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Arial") << "Arial" << "Liberation Sans" << false;
        QTest::newRow("Arial Narrow") << "Arial Narrow" << "Liberation Sans Narrow" << false;
        QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif" << false;
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans" << false;
        QTest::newRow("Arial Black") << "Arial Black" << "Liberation Sans" << true;
    }
    void fontsResolveToTheLiberationFamilies()
    {
        QFETCH(QString, asked);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QLabel label("Kestrin 2002");
        label.setFont(QFont(asked, 12));
        label.ensurePolished();
        const QFontInfo info(label.font());
        QCOMPARE(info.family(), family);
        QCOMPARE(info.bold(), bold);
        QCOMPARE(info.pointSize(), 12);
    }

    void childrenInheritTheBoldStandIn()
    {
        QWidget parent;
        auto *child = new QLabel("Kestrin", &parent);
        parent.setFont(QFont("Arial Black", 12, QFont::Normal, true));
        parent.ensurePolished();
        child->ensurePolished();
        QVERIFY(QFontInfo(child->font()).bold());
        QVERIFY(child->font().italic());
    }
};

// The test runs inside the programs' own application object, which QTEST_MAIN
// cannot provide.
int main(int argc, char **argv)
{
    Application application(argc, argv, QStringLiteral("Zoziruzo"));
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ApplicationTest.moc"
