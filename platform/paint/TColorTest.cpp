#include "platform/paint/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

class TColorTest : public QObject
{
    Q_OBJECT

private slots:
    void everyNameHasItsValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("value");
        const std::pair<const char *, quint32> plain[] = {
            {"clBlack", 0x00000000}, {"clMaroon", 0x00000080}, {"clGreen", 0x00008000},
            {"clOlive", 0x00008080}, {"clNavy", 0x00800000},   {"clPurple", 0x00800080},
            {"clTeal", 0x00808000},  {"clGray", 0x00808080},   {"clSilver", 0x00C0C0C0},
            {"clRed", 0x000000FF},   {"clLime", 0x0000FF00},   {"clYellow", 0x0000FFFF},
            {"clBlue", 0x00FF0000},  {"clFuchsia", 0x00FF00FF}, {"clAqua", 0x00FFFF00},
            {"clWhite", 0x00FFFFFF}, {"clNone", 0x1FFFFFFF},
        };
        for (const auto &[name, value] : plain)
            QTest::newRow(name) << QString(name) << value;
        const char *system[] = {
            "clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption", "clMenu",
            "clWindow", "clWindowFrame", "clMenuText", "clWindowText", "clCaptionText",
            "clActiveBorder", "clInactiveBorder", "clAppWorkSpace", "clHighlight",
            "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText", "clBtnText",
            "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow", "cl3DLight",
            "clInfoText", "clInfoBk",
        };
        quint32 index = 0;
        for (const char *name : system)
            QTest::newRow(name) << QString(name) << (0x80000000u + index++);
    }
    void everyNameHasItsValue()
    {
        QFETCH(QString, name);
        QFETCH(quint32, value);
        const Result<TColor> color = TColor::fromText(name);
        QVERIFY(color.ok());
        QCOMPARE(color->value(), value);
        QCOMPARE(TColor(value).toText(), name);
        QCOMPARE(TColor::fromText(name.toUpper())->value(), value);
        QCOMPARE(TColor::fromText(name.toLower())->value(), value);
    }

    void unnamedValuesAreWrittenInHex_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << 0x00FF8000u << "$00FF8000";
        QTest::newRow("small") << 0x00000001u << "$00000001";
        QTest::newRow("upper-case digits") << 0x00ABCDEFu << "$00ABCDEF";
        QTest::newRow("unknown system index") << 0x80000019u << "$80000019";
        QTest::newRow("all bits") << 0xFFFFFFFFu << "$FFFFFFFF";
    }
    void unnamedValuesAreWrittenInHex()
    {
        QFETCH(quint32, value);
        QFETCH(QString, text);
        QCOMPARE(TColor(value).toText(), text);
        QCOMPARE(TColor::fromText(text)->value(), value);
    }

    void integersAreRead_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("value");
        QTest::newRow("lower-case hex") << "$00ff8000" << 0x00FF8000u;
        QTest::newRow("decimal") << "32896" << 0x00008080u;
        QTest::newRow("leading blanks") << "  255" << 0x000000FFu;
        QTest::newRow("negative keeps the bits") << "-1" << 0xFFFFFFFFu;
        QTest::newRow("system colour in hex") << "$8000000F" << 0x8000000Fu;
        QTest::newRow("mixed-case name") << "ClBtNfAcE" << 0x8000000Fu;
    }
    void integersAreRead()
    {
        QFETCH(QString, text);
        QFETCH(quint32, value);
        const Result<TColor> color = TColor::fromText(text);
        QVERIFY(color.ok());
        QCOMPARE(color->value(), value);
    }

    void badTextFailsAsInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("blank before name") << " clRed";
        QTest::newRow("blank after name") << "clRed ";
        QTest::newRow("empty") << "";
        QTest::newRow("unknown name") << "clMoneyGreen";
        QTest::newRow("folds onto a name only beyond ASCII") << QString::fromUtf8("clſilver");
        QTest::newRow("hex overflow") << "$100000000";
    }
    void badTextFailsAsInteger()
    {
        QFETCH(QString, text);
        const Result<TColor> color = TColor::fromText(text);
        QVERIFY(!color);
        QCOMPARE(color.error(), "'" + text + "' is not a valid integer value");
    }

    void plainColoursPaintTheirBytes_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QColor>("color");
        QTest::newRow("red") << 0x000000FFu << QColor(255, 0, 0);
        QTest::newRow("blue") << 0x00FF0000u << QColor(0, 0, 255);
        QTest::newRow("olive") << 0x00008080u << QColor(128, 128, 0);
        QTest::newRow("orange-ish") << 0x00FF8000u << QColor(0, 128, 255);
        QTest::newRow("none paints its colour bytes") << 0x1FFFFFFFu << QColor(255, 255, 255);
    }
    void plainColoursPaintTheirBytes()
    {
        QFETCH(quint32, value);
        QFETCH(QColor, color);
        QCOMPARE(TColor(value).toQColor(), color);
        QCOMPARE(TColor::fromQColor(color).value(), value & 0x00FFFFFFu);
    }

    void systemColoursFollowThePalette()
    {
        const QPalette saved = QGuiApplication::palette();
        QPalette palette = saved;
        palette.setColor(QPalette::Button, QColor(1, 2, 3));
        palette.setColor(QPalette::Base, QColor(4, 5, 6));
        palette.setColor(QPalette::ToolTipBase, QColor(7, 8, 9));
        QGuiApplication::setPalette(palette);
        QCOMPARE(Colors::clBtnFace.toQColor(), QColor(1, 2, 3));
        QCOMPARE(Colors::clWindow.toQColor(), QColor(4, 5, 6));
        QCOMPARE(Colors::clInfoBk.toQColor(), QColor(7, 8, 9));
        QCOMPARE(TColor(0x80000019u).toQColor(), QColor(Qt::black));
        QGuiApplication::setPalette(saved);
    }

    void everySystemColourIsOpaque()
    {
        for (quint32 index = 0; index < 25; ++index)
            QCOMPARE(TColor(0x80000000u + index).toQColor().alpha(), 255);
    }
};

QTEST_MAIN(TColorTest)
#include "TColorTest.moc"
