#include "platform/ui/SpinEdit.h"

#include <QLineEdit>
#include <QTest>

class SpinEditTest : public QObject
{
    Q_OBJECT

private slots:
    void valueOfTheText_data();
    void valueOfTheText();
    void leavingTheFieldBringsTheValueIntoRange();
    void aFifthCharacterCannotBeTyped();
    void settingAValueKeepsItInRange();
};

void SpinEditTest::valueOfTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("year") << "2030" << 2030;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("zero while typing") << "0" << 1;
    QTest::newRow("top") << "9999" << 9999;
}

void SpinEditTest::valueOfTheText()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    TSpinEdit edit(1, 9999, 4);
    edit.setValue(1500);
    edit.findChild<QLineEdit *>()->setText(text);
    QCOMPARE(edit.Value(), value);
}

void SpinEditTest::leavingTheFieldBringsTheValueIntoRange()
{
    QWidget window;
    auto *edit = new TSpinEdit(1, 9999, 4, &window);
    auto *other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setValue(1500);
    edit->setFocus();
    edit->findChild<QLineEdit *>()->selectAll();
    QTest::keyClick(edit, Qt::Key_0);
    other->setFocus();
    QCOMPARE(edit->text(), QStringLiteral("1"));
    QCOMPARE(edit->Value(), 1);
}

void SpinEditTest::aFifthCharacterCannotBeTyped()
{
    TSpinEdit edit(1, 9999, 4);
    edit.findChild<QLineEdit *>()->clear();
    QTest::keyClicks(&edit, QStringLiteral("20305"));
    QCOMPARE(edit.text(), QStringLiteral("2030"));
}

void SpinEditTest::settingAValueKeepsItInRange()
{
    TSpinEdit edit(1, 9999, 4);
    edit.setValue(-5);
    QCOMPARE(edit.Value(), 1);
    edit.setValue(12000);
    QCOMPARE(edit.Value(), 9999);
}

QTEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
