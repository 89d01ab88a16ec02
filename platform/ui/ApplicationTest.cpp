#include "platform/ui/Application.h"

#include "platform/ui/MessageBox.h"

#include <QFontInfo>
#include <QLabel>
#include <QTest>

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

    // A handler's failure reaches the box with its text whole; a success
    // shows nothing.
    void failedOutcomeShowsTheErrorBox_data()
    {
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QString>("text");
        QTest::newRow("conversion") << true << "'2003a' is not a valid integer value";
        QTest::newRow("Czech text") << true << QStringLiteral("Soubor „Česky.cln“ chybí");
        QTest::newRow("success") << false << QString();
    }
    void failedOutcomeShowsTheErrorBox()
    {
        QFETCH(bool, failed);
        QFETCH(QString, text);
        MessageBox::Script script;
        QWidget owner;
        const Result<> outcome = failed ? Result<>(Failure{text}) : Result<>();
        QCOMPARE(Application::showErrorBox(&owner, outcome), !failed);
        QCOMPARE(script.requests().size(), size_t(failed ? 1 : 0));
        if (!failed)
            return;
        const MessageBox::Request &request = script.requests().front();
        QCOMPARE(request.text, text);
        QCOMPARE(request.caption, QString("Zoziruzo"));
        QCOMPARE(request.buttons, MessageBox::Buttons(MessageBox::Ok));
        QCOMPARE(request.icon, MessageBox::Icon::Error);
        QVERIFY(request.hadOwner);
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
