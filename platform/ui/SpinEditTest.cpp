#include "platform/ui/SpinEdit.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

class SpinEditTest : public QObject
{
    Q_OBJECT

private slots:
    void valueOfTheText_data();
    void valueOfTheText();
    void leavingTheFieldBringsTheValueIntoRange_data();
    void leavingTheFieldBringsTheValueIntoRange();
    void aFifthCharacterCannotBeTyped();
    void settingAValueKeepsItInRange();
};

namespace {

// A year field as the designer's forms make it.
TSpinEdit *yearField(QWidget *parent = nullptr)
{
    auto *edit = new TSpinEdit(parent);
    edit->setRange(1, 9999);
    edit->setProperty("maxLength", 4);
    return edit;
}

} // namespace

void SpinEditTest::valueOfTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("year") << "2030" << 2030;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("zero while typing") << "0" << 1;
    QTest::newRow("below the range while typing") << "-5" << 1;
    QTest::newRow("top") << "9999" << 9999;
}

void SpinEditTest::valueOfTheText()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    std::unique_ptr<TSpinEdit> owned(yearField());
    TSpinEdit &edit = *owned;
    edit.setValue(1500);
    edit.findChild<QLineEdit *>()->setText(text);
    QCOMPARE(edit.Value(), value);
}

void SpinEditTest::leavingTheFieldBringsTheValueIntoRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero") << "0" << "1";
    QTest::newRow("minus five") << "-5" << "1";
    QTest::newRow("a minus alone") << "-" << "1";
    QTest::newRow("minus zero") << "-0" << "1";
    QTest::newRow("emptied") << "" << "1";
    QTest::newRow("a year") << "2030" << "2030";
}

void SpinEditTest::leavingTheFieldBringsTheValueIntoRange()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QWidget window;
    TSpinEdit *edit = yearField(&window);
    auto *other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setValue(1500);
    edit->setFocus();
    edit->findChild<QLineEdit *>()->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->findChild<QLineEdit *>()->text(), typed);
    other->setFocus();
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->Value(), shown.toInt());
}

void SpinEditTest::aFifthCharacterCannotBeTyped()
{
    std::unique_ptr<TSpinEdit> owned(yearField());
    TSpinEdit &edit = *owned;
    edit.findChild<QLineEdit *>()->clear();
    QTest::keyClicks(&edit, QStringLiteral("20305"));
    QCOMPARE(edit.text(), QStringLiteral("2030"));
}

void SpinEditTest::settingAValueKeepsItInRange()
{
    std::unique_ptr<TSpinEdit> owned(yearField());
    TSpinEdit &edit = *owned;
    edit.setValue(-5);
    QCOMPARE(edit.Value(), 1);
    edit.setValue(12000);
    QCOMPARE(edit.Value(), 9999);
}

QTEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
