#include "calendar/year-dialogs/TForm4.h"
#include "calendar/year-dialogs/TForm5.h"
#include "platform/ui/SpinEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class YearDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void yearFieldTakesFourDigitsWithinTheRange_data();
    void yearFieldTakesFourDigitsWithinTheRange();

private:
    YearDialog *dialog(const QString &name) const;

    std::unique_ptr<TForm4> m_form4;
    std::unique_ptr<TForm5> m_form5;
};

void YearDialogsTest::initTestCase()
{
    m_form4 = std::make_unique<TForm4>();
    m_form5 = std::make_unique<TForm5>();
}

void YearDialogsTest::cleanupTestCase()
{
    m_form4.reset();
    m_form5.reset();
}

YearDialog *YearDialogsTest::dialog(const QString &name) const
{
    return name == "Form4" ? static_cast<YearDialog *>(m_form4.get()) : m_form5.get();
}

void YearDialogsTest::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    for (const QString window : {"Form4", "Form5"}) {
        QTest::addRow("%s year label", qPrintable(window)) << window << "Label1" << QRect(8, 16, 90, 22);
        QTest::addRow("%s year field", qPrintable(window)) << window << "SpinEdit1" << QRect(104, 16, 121, 22);
    }
    QTest::newRow("Form4 month label") << "Form4" << "Label2" << QRect(8, 48, 90, 22);
    QTest::newRow("Form4 month list") << "Form4" << "ComboBox1" << QRect(104, 48, 121, 22);
    QTest::newRow("Form4 OK") << "Form4" << "Button1" << QRect(36, 85, 75, 25);
    QTest::newRow("Form4 Storno") << "Form4" << "Button2" << QRect(126, 85, 75, 25);
    QTest::newRow("Form5 OK") << "Form5" << "Button1" << QRect(36, 56, 75, 25);
    QTest::newRow("Form5 Storno") << "Form5" << "Button2" << QRect(126, 56, 75, 25);
}

void YearDialogsTest::controlsStandWhereDesigned()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    auto *widget = dialog(window)->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void YearDialogsTest::yearFieldTakesFourDigitsWithinTheRange_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (const QString window : {"Form4", "Form5"}) {
        QTest::addRow("%s year past the range", qPrintable(window)) << window << "20305" << "2030";
        // The range alone would let a sign and five digits stand while typing.
        QTest::addRow("%s sign among the four", qPrintable(window)) << window << "-20305" << "-203";
    }
}

void YearDialogsTest::yearFieldTakesFourDigitsWithinTheRange()
{
    QFETCH(QString, window);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TSpinEdit &year = *dialog(window)->SpinEdit1;
    QCOMPARE(year.minimum(), 1);
    QCOMPARE(year.maximum(), 9999);
    year.findChild<QLineEdit *>()->clear();
    QTest::keyClicks(&year, typed);
    QCOMPARE(year.text(), shown);
}

QTEST_MAIN(YearDialogsTest)
#include "YearDialogsTest.moc"
