#include "calendar/dialogs/MessageFormLayout.h"

#include <QTest>

class MessageFormLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void mulDivRoundsHalvesAwayFromZero_data();
    void mulDivRoundsHalvesAwayFromZero();
    void layout_data();
    void layout();
    void buttonsAreCentredInOneRowOfEqualWidth();
};

void MessageFormLayoutTest::mulDivRoundsHalvesAwayFromZero_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact") << 8 << 6 << 4 << 12;
    QTest::newRow("half up") << 10 << 5 << 4 << 13;
    QTest::newRow("below half") << 14 << 13 << 8 << 23;
    QTest::newRow("quarter down") << 10 << 13 << 8 << 16;
    QTest::newRow("negative half") << -10 << 5 << 4 << -13;
}

void MessageFormLayoutTest::mulDivRoundsHalvesAwayFromZero()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, expected);
    QCOMPARE(MessageFormLayout::mulDiv(a, b, c), expected);
}

// Base unit 6 x 13: margins 12 across and 13 down, icon spacing 15, text to
// buttons 16, buttons 75 x 23 with gaps of 6.
void MessageFormLayoutTest::layout_data()
{
    QTest::addColumn<QSize>("text");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<std::vector<int>>("captions");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("textAt");
    QTest::addColumn<int>("buttonWidth");
    QTest::addColumn<int>("buttonsTop");

    QTest::newRow("save question: icon, three buttons wider than the text")
        << QSize(100, 13) << true << std::vector<int>{20, 18, 40}
        << QSize(237 + 24, 32 + 23 + 16 + 26) << QPoint(12 + 32 + 15, 13) << 75 << 13 + 32 + 16;
    QTest::newRow("information box: no icon, one button")
        << QSize(30, 13) << false << std::vector<int>{14}
        << QSize(75 + 24, 13 + 23 + 16 + 26) << QPoint(12, 13) << 75 << 13 + 13 + 16;
    QTest::newRow("text wider than the buttons, taller than the icon")
        << QSize(400, 52) << true << std::vector<int>{14}
        << QSize(400 + 47 + 24, 52 + 23 + 16 + 26) << QPoint(59, 13) << 75 << 13 + 52 + 16;
    QTest::newRow("a wide caption widens every button")
        << QSize(10, 13) << false << std::vector<int>{20, 80}
        << QSize(88 * 2 + 6 + 24, 13 + 23 + 16 + 26) << QPoint(12, 13) << 88 << 13 + 13 + 16;
}

void MessageFormLayoutTest::layout()
{
    QFETCH(QSize, text);
    QFETCH(bool, icon);
    QFETCH(std::vector<int>, captions);
    QFETCH(QSize, client);
    QFETCH(QPoint, textAt);
    QFETCH(int, buttonWidth);
    QFETCH(int, buttonsTop);

    const auto layout = MessageFormLayout::compute({QSize(6, 13), text, icon, captions});
    QCOMPARE(layout.clientSize, client);
    QCOMPARE(layout.textRect, QRect(textAt, text));
    QCOMPARE(layout.iconRect, icon ? QRect(12, 13, 32, 32) : QRect());
    QCOMPARE(layout.buttonRects.size(), captions.size());
    for (const QRect &button : layout.buttonRects) {
        QCOMPARE(button.width(), buttonWidth);
        QCOMPARE(button.height(), 23);
        QCOMPARE(button.top(), buttonsTop);
    }
}

void MessageFormLayoutTest::buttonsAreCentredInOneRowOfEqualWidth()
{
    const auto layout = MessageFormLayout::compute({QSize(7, 16), QSize(500, 16), false, {10, 10, 10}});
    const auto &buttons = layout.buttonRects;
    QCOMPARE(buttons.size(), std::size_t(3));
    const int gap = MessageFormLayout::mulDiv(4, 7, 4);
    QCOMPARE(buttons[1].left(), buttons[0].right() + 1 + gap);
    QCOMPARE(buttons[2].left(), buttons[1].right() + 1 + gap);
    const int leftSpace = buttons.front().left();
    const int rightSpace = layout.clientSize.width() - buttons.back().right() - 1;
    QVERIFY(std::abs(leftSpace - rightSpace) <= 1);
}

QTEST_APPLESS_MAIN(MessageFormLayoutTest)
#include "MessageFormLayoutTest.moc"
