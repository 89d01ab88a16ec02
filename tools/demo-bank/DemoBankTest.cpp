#include "trainer/question-table/QuestionTable.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class DemoBankTest : public QObject
{
    Q_OBJECT

private slots:
    void writesTheBankIntoARelativeFolder()
    {
        QTemporaryDir folder;
        QProcess program;
        program.setWorkingDirectory(folder.path());
        program.start(QStringLiteral(DEMO_BANK_PROGRAM), {QStringLiteral("bankdir")});
        QVERIFY(program.waitForFinished(60000));
        QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
        QuestionTable table;
        table.setTableName(folder.filePath(QStringLiteral("bankdir/central.vqn")));
        const Result<> opened = table.open();
        QVERIFY2(opened, qPrintable(opened.error()));
        QCOMPARE(table.recordCount(), 196);
    }
};

QTEST_MAIN(DemoBankTest)
#include "DemoBankTest.moc"
