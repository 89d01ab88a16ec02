#include "trainer/service/QuestionGridModel.h"
#include "trainer/service/TServisni_okno.h"
#include "trainer/test-support/SmallFileSystem.h"
#include "trainer/test-support/TestBank.h"

#include "platform/files/TestFiles.h"
#include "platform/table/FileWrites.h"
#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using TestFiles::contentOf;

namespace {

constexpr int Questions = 5;

// What the bank holds on disk for a record, read by a table of its own.
struct Stored
{
    QString question;
    int points = 0;
};

Stored storedRecord(const QString &tablePath, int record)
{
    QuestionTable table;
    table.setTableName(tablePath);
    if (!table.open())
        return {};
    if (const Result<bool> moved = table.moveTo(record); !moved || !*moved)
        return {};
    return {table.fieldByName(QuestionTable::Otazka).asText(), table.fieldByName(QuestionTable::Poc_bodu).asInteger()};
}

} // namespace

class ServiceWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_path = m_folder->filePath(QStringLiteral("central.vqn"));
        QVERIFY(TestBank::make(m_path, Questions));
        m_table = std::make_unique<QuestionTable>();
        m_table->setTableName(m_path);
        m_window = std::make_unique<TServisni_okno>(*m_table);
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_table.reset();
        m_folder.reset();
    }

    void opensOnTheFirstRecordInBrowsing()
    {
        TServisni_okno &w = *m_window;
        QCOMPARE(w.Otazka->toPlainText(), TestBank::questionText(1));
        QCOMPARE(w.Odpoved_c->toPlainText(), TestBank::answerText('c', 1));
        QCOMPARE(w.Kategorie->text(), QStringLiteral("Nauka o zbraních a střelivu"));
        QCOMPARE(w.Pocet_bodu->currentText(), QStringLiteral("za 2 body"));
        QCOMPARE(w.Cislo_otazky->text(), QStringLiteral("1"));
        QCOMPARE(w.Celkem_Otazek->text(), QString::number(Questions));
        QVERIFY(!w.BitBtn1->isEnabled() && !w.BitBtn2->isEnabled() && w.BitBtn3->isEnabled());
        QVERIFY(!w.Editace->isChecked());
        QVERIFY(!(w.model()->flags(w.model()->index(0, 0)) & Qt::ItemIsEditable));
        // Spravna 2: only the second marker, answer b bold on aqua.
        QVERIFY(!w.Image1->isVisibleTo(&w) && w.Image2->isVisibleTo(&w) && !w.Image3->isVisibleTo(&w));
        QVERIFY(w.Odpoved_b->font().bold() && !w.Odpoved_a->font().bold());
        QCOMPARE(w.Odpoved_b->palette().color(QPalette::Base), QColor(0, 255, 255));
        QCOMPARE(w.Odpoved_a->palette().color(QPalette::Base), QColor(Qt::white));
    }

    // With a bank long enough for the vertical scroll bar the columns fill the
    // grid exactly; moving to the last column must not push the first away.
    void lastColumnKeepsEveryColumnInView()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("central.vqn"));
        QVERIFY(TestBank::make(path, 60));
        QuestionTable table;
        table.setTableName(path);
        TServisni_okno w(table);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(w.DBGrid1, Qt::Key_End);
        QCOMPARE(w.DBGrid1->currentIndex().column(), w.model()->columnCount() - 1);
        QCOMPARE(w.DBGrid1->columnViewportPosition(0), 0);
    }

    void editorsFollowKeyboardMovesAndSaveWritesThatRecord()
    {
        TServisni_okno &w = *m_window;
        // Through the focus, as a user's keys arrive: loading a record must
        // not take the focus away from the grid.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.DBGrid1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), w.DBGrid1);
        QCOMPARE(w.Cislo_otazky->text(), QStringLiteral("3"));
        QCOMPARE(w.Otazka->toPlainText(), TestBank::questionText(3));
        QCOMPARE(w.Kategorie->text(), QStringLiteral("Právní předpisy"));
        QVERIFY(w.Image1->isVisibleTo(&w) && !w.Image2->isVisibleTo(&w));

        w.Otazka->moveCursor(QTextCursor::End);
        QTest::keyClicks(w.Otazka, QStringLiteral(" upravena"));
        QVERIFY(w.editing());
        QVERIFY(w.BitBtn1->isEnabled() && w.BitBtn2->isEnabled());
        QVERIFY(!w.BitBtn3->isEnabled() && !w.Panel4->isEnabled());
        w.Pocet_bodu->setCurrentIndex(2);
        w.BitBtn1->click();

        QVERIFY(!w.editing());
        QVERIFY(w.Panel4->isEnabled() && !w.BitBtn1->isEnabled());
        const Stored saved = storedRecord(m_path, 3);
        QCOMPARE(saved.question, TestBank::questionText(3) + QStringLiteral(" upravena"));
        QCOMPARE(saved.points, 3);
        QCOMPARE(storedRecord(m_path, 1).question, TestBank::questionText(1));
        QCOMPARE(w.Cislo_otazky->text(), QStringLiteral("3"));
        QCOMPARE(w.model()->index(2, QuestionGridModel::Number).data().toString(), QStringLiteral("30"));

        QTest::keyClick(w.DBGrid1, Qt::Key_Up);
        QCOMPARE(w.Otazka->toPlainText(), TestBank::questionText(2));
    }

    void cancelShowsTheStoredTextsAgain()
    {
        TServisni_okno &w = *m_window;
        QTest::keyClick(w.DBGrid1, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(w.Cislo_otazky->text(), QString::number(Questions));
        QTest::keyClicks(w.Odpoved_a, QStringLiteral("xyz"));
        QVERIFY(w.editing());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.editing());
        QVERIFY(w.isVisible());
        QCOMPARE(w.Odpoved_a->toPlainText(), TestBank::answerText('a', Questions));
        QCOMPARE(storedRecord(m_path, Questions).question, TestBank::questionText(Questions));
    }

    void savingSwitchesInGridEditingOff()
    {
        TServisni_okno &w = *m_window;
        w.Editace->click();
        QVERIFY(w.model()->flags(w.model()->index(0, 0)) & Qt::ItemIsEditable);
        QTest::keyClicks(w.Odpoved_b, QStringLiteral("!"));
        w.BitBtn1->click();
        QVERIFY(!w.Editace->isChecked());
        QVERIFY(!(w.model()->flags(w.model()->index(0, 0)) & Qt::ItemIsEditable));
    }

    void failedSaveKeepsTheRecordAndSaysWhy()
    {
        TServisni_okno &w = *m_window;
        QTest::keyClick(w.DBGrid1, Qt::Key_Down);
        const QByteArray before = contentOf(m_path) + contentOf(m_folder->filePath(QStringLiteral("central.vqt")));
        // A dBASE III+ memo cannot hold the character that ends it.
        w.Otazka->setPlainText(QStringLiteral("text") + QChar(0x1A));
        MessageBox::Script script;
        w.BitBtn1->click();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QVERIFY2(script.requests().front().text.contains(QStringLiteral("0x1A")),
                 qPrintable(script.requests().front().text));
        QVERIFY(w.editing());
        QCOMPARE(contentOf(m_path) + contentOf(m_folder->filePath(QStringLiteral("central.vqt"))), before);
        QCOMPARE(m_table->state(), DbfTable::State::Browse);
        w.BitBtn2->click();
        QCOMPARE(w.Otazka->toPlainText(), TestBank::questionText(2));
    }

    // A row change posts what is pending; when the disk refuses that post the
    // window says why and the record stays.
    void aRowChangeWhosePostFailsSaysWhy()
    {
        TServisni_okno &w = *m_window;
        QVERIFY(m_table->edit());
        QVERIFY(m_table->setText(QuestionTable::Otazka, QStringLiteral("změna")));
        MessageBox::Script script;
        {
            const FileWrites::FailAfter failing(0);
            QTest::keyClick(w.DBGrid1, Qt::Key_Down);
        }
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().text, QStringLiteral("Do souboru central.vqt nelze zapisovat: zápis byl odmítnut."));
        QCOMPARE(m_table->recordNumber(), 1);
        QCOMPARE(m_table->state(), DbfTable::State::Edit);
        QCOMPARE(w.Otazka->toPlainText(), TestBank::questionText(1));
        m_table->cancel();
    }

    void saveOnAFullDiskKeepsTheRecord()
    {
        SmallFileSystem small;
        if (!small.mounted())
            QSKIP("Mounting a small tmpfs is not allowed here.");
        const QString path = small.path() + QStringLiteral("/central.vqn");
        QVERIFY(TestBank::make(path, 3));
        QVERIFY(small.fill());
        QuestionTable table;
        table.setTableName(path);
        TServisni_okno w(table);
        w.show();
        const QByteArray before = contentOf(path);
        w.Otazka->setPlainText(QString(20000, u'x'));
        MessageBox::Script script;
        w.BitBtn1->click();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QVERIFY(!script.requests().front().text.isEmpty());
        QVERIFY(w.editing());
        QCOMPARE(contentOf(path), before);
        w.close();
        QCOMPARE(storedRecord(path, 1).question, TestBank::questionText(1));
    }

    void gridEditsPostAtOnceOrAreRefused()
    {
        TServisni_okno &w = *m_window;
        w.Editace->click();
        QuestionGridModel &model = *w.model();
        QVERIFY(model.setData(model.index(0, QuestionGridModel::Correct), QStringLiteral("3")));
        QVERIFY(w.Image3->isVisibleTo(&w) && !w.Image2->isVisibleTo(&w));
        QCOMPARE(storedRecord(m_path, 1).question, TestBank::questionText(1));

        MessageBox::Script script;
        QVERIFY(!model.setData(model.index(0, QuestionGridModel::Number), QStringLiteral("abc")));
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(model.index(0, QuestionGridModel::Number).data().toString(), QStringLiteral("10"));
        QCOMPARE(m_table->state(), DbfTable::State::Browse);
    }

    void insertAndConfirmedDelete()
    {
        TServisni_okno &w = *m_window;
        w.Editace->click();
        QTest::keyClick(w.DBGrid1, Qt::Key_Insert);
        QCOMPARE(w.Celkem_Otazek->text(), QString::number(Questions + 1));
        QCOMPARE(w.Cislo_otazky->text(), QString::number(Questions + 1));
        QCOMPARE(w.Otazka->toPlainText(), QString());
        QTest::keyClick(w.DBGrid1->focusWidget(), Qt::Key_Escape);

        MessageBox::Script script;
        script.answer(MessageBox::Result::Cancel);
        QTest::keyClick(w.DBGrid1, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().text, QStringLiteral("Smazat záznam?"));
        QCOMPARE(m_table->recordCount(), Questions + 1);

        QTest::keyClick(w.DBGrid1, Qt::Key_Home, Qt::ControlModifier);
        script.answer(MessageBox::Result::Ok);
        QTest::keyClick(w.DBGrid1, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(m_table->recordCount(), Questions);
        QCOMPARE(w.Otazka->toPlainText(), TestBank::questionText(2));
        QCOMPARE(storedRecord(m_path, 1).question, TestBank::questionText(2));
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
    std::unique_ptr<QuestionTable> m_table;
    std::unique_ptr<TServisni_okno> m_window;
};

QTEST_MAIN(ServiceWindowTest)
#include "ServiceWindowTest.moc"
