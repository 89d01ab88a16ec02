#include "trainer-components/shadow-label/TShadowLabel.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(TShadowPosition)
Q_DECLARE_METATYPE(TTextLayout)

enum class Change { Hide, Disable, DisableAndEnable };
Q_DECLARE_METATYPE(Change)

namespace {

// Where the picture has pixels of `color`; empty when none.
QRect areaOf(const QImage &image, const QColor &color)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                area |= QRect(x, y, 1, 1);
    return area;
}

// The label painted into a picture with `margin` pixels around it, so that
// nothing it draws outside its bounds is lost.
QImage render(TCustomShadowLabel &label, int margin = 0)
{
    QImage image(label.width() + 2 * margin, label.height() + 2 * margin, QImage::Format_RGB32);
    image.fill(Qt::cyan);
    QPainter painter(&image);
    painter.translate(margin, margin);
    label.PaintOn(painter);
    return image;
}

QFont testFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(24);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// How far the shadow reaches beyond the text on the sides its offset points to.
QPoint shadowReach(const QRect &shadow, const QRect &text, QPoint offset)
{
    return {offset.x() < 0 ? shadow.left() - text.left() : shadow.right() - text.right(),
            offset.y() < 0 ? shadow.top() - text.top() : shadow.bottom() - text.bottom()};
}

// A window with a label and two edits; once shown and active, `other` has the focus.
struct FormWithEdits
{
    FormWithEdits()
    {
        label->SetCaption(QStringLiteral("&Jméno:"));
        edit->move(0, 60);
    }

    bool showWithOtherFocused()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        other->setFocus();
        return other->hasFocus();
    }

    QWidget window;
    TShadowLabel *label = new TShadowLabel(&window);
    QLineEdit *other = new QLineEdit(&window);
    QLineEdit *edit = new QLineEdit(&window);
};

} // namespace

class TShadowLabelTest : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void autoSizeGrowsWithTheShadow_data();
    void autoSizeGrowsWithTheShadow();
    void emptyAndAmpersandCaptionsMeasureOneBlank();
    void rightAlignedLabelKeepsItsRightEdge();
    void wordWrapBreaksAtTheLabelWidth();
    void shadowIsDrawnOffsetAndUnderTheText_data();
    void shadowIsDrawnOffsetAndUnderTheText();
    void layoutPlacesTheMeasuredBlock_data();
    void layoutPlacesTheMeasuredBlock();
    void transparentLabelLeavesTheBackground();
    void disabledLabelDrawsGreyWithHighlightShadow_data();
    void disabledLabelDrawsGreyWithHighlightShadow();
    void mouseEventsOnlyWhileTheApplicationIsActive();
    void leaveWaitsForTheLeftButton();
    void changesUnderTheMouse_data();
    void changesUnderTheMouse();
    void focusRectangleWhileFocusControlHasFocus_data();
    void focusRectangleWhileFocusControlHasFocus();
    void acceleratorFocusesFocusControl_data();
    void acceleratorFocusesFocusControl();
    void focusControlClearedWhenDestroyed();

private:
    std::unique_ptr<TShadowLabel> makeLabel(const QString &caption) const;
};

std::unique_ptr<TShadowLabel> TShadowLabelTest::makeLabel(const QString &caption) const
{
    auto label = std::make_unique<TShadowLabel>();
    label->setFont(testFont());
    label->SetColor(Colors::clWhite);
    label->SetFontColor(Colors::clBlack);
    label->SetShadowColor(Colors::clRed);
    label->move(40, 30);
    label->SetCaption(caption);
    return label;
}

void TShadowLabelTest::defaults()
{
    const TShadowLabel label;
    QCOMPARE(label.size(), QSize(65, 17));
    QCOMPARE(label.Alignment(), taLeftJustify);
    QVERIFY(label.AutoSize());
    QCOMPARE(label.Layout(), tlTop);
    QCOMPARE(label.ShadowColor(), Colors::clBtnHighlight);
    QCOMPARE(label.ShadowSize(), quint8(1));
    QCOMPARE(label.ShadowPos(), spLeftTop);
    QVERIFY(label.ShowAccelChar());
    QVERIFY(!label.ShowFocus());
    QVERIFY(!label.Transparent());
    QVERIFY(!label.WordWrap());
    QCOMPARE(label.FocusControl(), nullptr);
}

void TShadowLabelTest::autoSizeGrowsWithTheShadow_data()
{
    QTest::addColumn<TShadowPosition>("position");
    QTest::addColumn<QSize>("growth");
    QTest::newRow("left top") << spLeftTop << QSize(0, 0);
    QTest::newRow("left bottom") << spLeftBottom << QSize(0, 3);
    QTest::newRow("right bottom") << spRightBottom << QSize(3, 3);
    QTest::newRow("right top") << spRightTop << QSize(3, 0);
}

void TShadowLabelTest::autoSizeGrowsWithTheShadow()
{
    QFETCH(TShadowPosition, position);
    QFETCH(QSize, growth);
    const auto label = makeLabel(QStringLiteral("Brelvik"));
    label->SetShadowSize(0);
    const QSize plain = label->size();
    const int textWidth = QFontMetrics(testFont()).boundingRect(QRect(0, 0, 999, 999), 0, QStringLiteral("Brelvik")).width();
    QCOMPARE(plain, QSize(textWidth + 2, QFontMetrics(testFont()).height()));
    label->SetShadowPos(position);
    label->SetShadowSize(3);
    QCOMPARE(label->size(), plain + growth);
    QCOMPARE(label->pos(), QPoint(40, 30));
}

void TShadowLabelTest::emptyAndAmpersandCaptionsMeasureOneBlank()
{
    const QFontMetrics metrics(testFont());
    const QSize blank(metrics.horizontalAdvance(u' ') + 2, metrics.height());
    const auto label = makeLabel(QStringLiteral("x"));
    label->SetCaption(QString());
    QCOMPARE(label->size(), blank);
    label->SetCaption(QStringLiteral("&"));
    QCOMPARE(label->size(), blank);
    label->SetShowAccelChar(false);
    label->SetCaption(QStringLiteral("&&"));
    label->SetCaption(QStringLiteral("&"));
    QCOMPARE(label->size(), QSize(metrics.horizontalAdvance(u'&') + 2, metrics.height()));
    QVERIFY(areaOf(render(*label), Qt::black).isValid());
}

void TShadowLabelTest::rightAlignedLabelKeepsItsRightEdge()
{
    const auto label = makeLabel(QStringLiteral("Info"));
    label->SetAlignment(taRightJustify);
    label->SetCaption(QStringLiteral("Info: Neznámý system WinNT."));
    const int right = label->x() + label->width();
    label->SetCaption(QStringLiteral("Info: Neznámý system WinNT. A mnohem delší text"));
    QVERIFY(label->x() < 40);
    QCOMPARE(label->x() + label->width(), right);
    label->SetAlignment(taLeftJustify);
    const int left = label->x();
    label->SetCaption(QStringLiteral("Krátký"));
    QCOMPARE(label->x(), left);
}

void TShadowLabelTest::wordWrapBreaksAtTheLabelWidth()
{
    const QString caption = QStringLiteral("Testovací otázky pro zbrojní průkaz");
    const auto label = makeLabel(caption);
    const QSize oneLine = label->size();
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->resize(oneLine.width() / 2, oneLine.height());
    label->SetAutoSize(true);
    // Lines break within the width less the side margins; the label takes the longest line.
    QVERIFY(label->height() >= 2 * QFontMetrics(testFont()).height());
    QVERIFY(label->width() <= oneLine.width() / 2);
    QVERIFY(areaOf(render(*label), Qt::black).bottom() >= QFontMetrics(testFont()).height());
    label->SetWordWrap(false);
    QCOMPARE(label->size(), oneLine);
}

void TShadowLabelTest::shadowIsDrawnOffsetAndUnderTheText_data()
{
    QTest::addColumn<TShadowPosition>("position");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("left top") << spLeftTop << QPoint(-3, -3);
    QTest::newRow("left bottom") << spLeftBottom << QPoint(-3, 3);
    QTest::newRow("right bottom") << spRightBottom << QPoint(3, 3);
    QTest::newRow("right top") << spRightTop << QPoint(3, -3);
}

void TShadowLabelTest::shadowIsDrawnOffsetAndUnderTheText()
{
    QFETCH(TShadowPosition, position);
    QFETCH(QPoint, offset);
    const auto label = makeLabel(QStringLiteral("HI"));
    label->SetShadowPos(position);
    label->SetShadowSize(3);
    const QImage image = render(*label, 10);
    const QRect text = areaOf(image, Qt::black);
    const QRect shadow = areaOf(image, Qt::red);
    QVERIFY(text.isValid() && shadow.isValid());
    QCOMPARE(shadowReach(shadow, text, offset), offset);
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::white));
    // The text is drawn last: a shadow of size 0 lies under it and never shows.
    label->SetShadowSize(0);
    QVERIFY(!areaOf(render(*label, 10), Qt::red).isValid());
}

void TShadowLabelTest::layoutPlacesTheMeasuredBlock_data()
{
    QTest::addColumn<TTextLayout>("layout");
    QTest::addColumn<int>("extraHeight");
    QTest::addColumn<int>("shift");
    // The measured block includes the default shadow one row above the text.
    QTest::newRow("top") << tlTop << 20 << 0;
    QTest::newRow("centre, taller label") << tlCenter << 21 << -1 + 10;
    QTest::newRow("centre, text taller: up by half, toward zero") << tlCenter << -13 << -1 - 6;
    QTest::newRow("bottom") << tlBottom << 11 << -1 + 11;
    QTest::newRow("bottom, text taller") << tlBottom << -5 << -1 - 5;
}

void TShadowLabelTest::layoutPlacesTheMeasuredBlock()
{
    QFETCH(TTextLayout, layout);
    QFETCH(int, extraHeight);
    QFETCH(int, shift);
    const auto label = makeLabel(QStringLiteral("Hg"));
    const int textHeight = label->height();
    label->SetAutoSize(false);
    label->resize(label->width() + 20, textHeight + extraHeight);
    const int topRow = areaOf(render(*label, 40), Qt::black).top();
    label->SetLayout(layout);
    const QImage image = render(*label, 40);
    QCOMPARE(areaOf(image, Qt::black).top() - topRow, shift);
}

void TShadowLabelTest::transparentLabelLeavesTheBackground()
{
    const auto label = makeLabel(QStringLiteral("H"));
    QCOMPARE(render(*label).pixelColor(0, 0), QColor(Qt::white));
    label->SetTransparent(true);
    QVERIFY(label->Transparent());
    QCOMPARE(render(*label).pixelColor(0, 0), QColor(Qt::cyan));
}

void TShadowLabelTest::disabledLabelDrawsGreyWithHighlightShadow_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("no shadow of its own: one pixel down and right") << 0 << QPoint(1, 1);
    QTest::newRow("own shadow kept") << 2 << QPoint(-2, -2);
}

void TShadowLabelTest::disabledLabelDrawsGreyWithHighlightShadow()
{
    QFETCH(int, size);
    QFETCH(QPoint, offset);
    const QColor grey = Colors::clGrayText.toQColor();
    const QColor highlight = Colors::clBtnHighlight.toQColor();
    QVERIFY2(grey != highlight, "the palette must tell the two colours apart");
    const auto label = makeLabel(QStringLiteral("HI"));
    label->SetColor(TColor::fromQColor(grey == Qt::blue || highlight == Qt::blue ? Qt::green : Qt::blue));
    label->SetShadowSize(quint8(size));
    label->setEnabled(false);
    const QImage image = render(*label, 10);
    QVERIFY(!areaOf(image, Qt::black).isValid());
    QVERIFY(!areaOf(image, Qt::red).isValid());
    const QRect text = areaOf(image, grey);
    const QRect shadow = areaOf(image, highlight);
    QVERIFY(text.isValid() && shadow.isValid());
    QCOMPARE(shadowReach(shadow, text, offset), offset);
}

void TShadowLabelTest::mouseEventsOnlyWhileTheApplicationIsActive()
{
    QWidget window;
    window.resize(300, 200);
    const auto label = makeLabel(QStringLiteral("Brelvik"));
    label->setParent(&window);
    QSignalSpy entered(label.get(), &TCustomShadowLabel::OnMouseEnter);
    QSignalSpy left(label.get(), &TCustomShadowLabel::OnMouseLeave);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QEvent leave(QEvent::Leave);

    // Another application owns the active window: nothing fires either way.
    QApplication::sendEvent(label.get(), &enter);
    QApplication::sendEvent(label.get(), &leave);
    QCOMPARE(entered.count() + left.count(), 0);

    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCursor::setPos(window.mapToGlobal(QPoint(280, 190)));
    entered.clear();
    QApplication::sendEvent(label.get(), &enter);
    QApplication::sendEvent(label.get(), &enter);
    QCOMPARE(entered.count(), 1);
    QVERIFY(label->MouseInside());
    label->setEnabled(false);
    QCOMPARE(left.count(), 1);
    QVERIFY(!label->MouseInside());
}

void TShadowLabelTest::leaveWaitsForTheLeftButton()
{
    QWidget window;
    window.resize(300, 200);
    const auto label = makeLabel(QStringLiteral("Brelvik"));
    label->setParent(&window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy left(label.get(), &TCustomShadowLabel::OnMouseLeave);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(label.get(), &enter);
    QVERIFY(label->MouseInside());

    const QPointF inside(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, inside, label->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(label.get(), &press);
    QCursor::setPos(window.mapToGlobal(QPoint(290, 190)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label.get(), &leave);
    QCOMPARE(left.count(), 0);

    const QPointF outside = label->mapFromGlobal(QPointF(window.mapToGlobal(QPoint(290, 190))));
    QMouseEvent release(QEvent::MouseButtonRelease, outside, label->mapToGlobal(outside), Qt::LeftButton,
                        Qt::NoButton, {});
    QApplication::sendEvent(label.get(), &release);
    QCOMPARE(left.count(), 1);
    QVERIFY(!label->MouseInside());
}

void TShadowLabelTest::changesUnderTheMouse_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("enters");
    QTest::addColumn<int>("leaves");
    QTest::newRow("hiding fires nothing") << Change::Hide << 0 << 0;
    QTest::newRow("disabling fires leave") << Change::Disable << 0 << 1;
    QTest::newRow("enabling again fires enter") << Change::DisableAndEnable << 1 << 1;
}

void TShadowLabelTest::changesUnderTheMouse()
{
    QFETCH(Change, change);
    QFETCH(int, enters);
    QFETCH(int, leaves);
    QWidget window;
    window.resize(300, 200);
    auto *label = new TShadowLabel(&window);
    label->SetCaption(QStringLiteral("Brelvik"));
    label->move(40, 30);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QPoint over(45, 35);
    QCursor::setPos(window.mapToGlobal(over));
    QTest::mouseMove(&window, over);
    QTRY_VERIFY(label->MouseInside());

    QSignalSpy entered(label, &TCustomShadowLabel::OnMouseEnter);
    QSignalSpy left(label, &TCustomShadowLabel::OnMouseLeave);
    if (change == Change::Hide)
        label->hide();
    else
        label->setEnabled(false);
    if (change == Change::DisableAndEnable)
        label->setEnabled(true);
    QCOMPARE(entered.count(), enters);
    QCOMPARE(left.count(), leaves);
}

void TShadowLabelTest::focusRectangleWhileFocusControlHasFocus_data()
{
    QTest::addColumn<bool>("showFocus");
    QTest::addColumn<bool>("focusOnControl");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("focus control focused") << true << true << true;
    QTest::newRow("ShowFocus off") << false << true << false;
    QTest::newRow("focus moved on to another control") << true << false << false;
}

void TShadowLabelTest::focusRectangleWhileFocusControlHasFocus()
{
    QFETCH(bool, showFocus);
    QFETCH(bool, focusOnControl);
    QFETCH(bool, drawn);
    FormWithEdits form;
    form.label->setFont(testFont());
    QVERIFY(form.showWithOtherFocused());
    const QImage plain = render(*form.label, 2);
    form.label->SetFocusControl(form.edit);
    form.label->SetShowFocus(showFocus);
    form.edit->setFocus();
    if (!focusOnControl)
        form.other->setFocus();
    QCOMPARE(render(*form.label, 2) != plain, drawn);
}

void TShadowLabelTest::acceleratorFocusesFocusControl_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("showAccelChar");
    QTest::addColumn<bool>("focused");
    QTest::newRow("enabled") << true << true << true;
    QTest::newRow("label disabled") << false << true << false;
    QTest::newRow("no accelerator characters") << true << false << false;
}

void TShadowLabelTest::acceleratorFocusesFocusControl()
{
    QFETCH(bool, enabled);
    QFETCH(bool, showAccelChar);
    QFETCH(bool, focused);
    FormWithEdits form;
    form.label->SetFocusControl(form.edit);
    form.label->setEnabled(enabled);
    form.label->SetShowAccelChar(showAccelChar);
    QVERIFY(form.showWithOtherFocused());
    QTest::keyClick(&form.window, Qt::Key_J, Qt::AltModifier);
    QCOMPARE(form.edit->hasFocus(), focused);
}

void TShadowLabelTest::focusControlClearedWhenDestroyed()
{
    TShadowLabel label;
    auto edit = std::make_unique<QLineEdit>();
    label.SetFocusControl(edit.get());
    QCOMPARE(label.FocusControl(), edit.get());
    edit.reset();
    QCOMPARE(label.FocusControl(), nullptr);
    // A later control is watched afresh, the earlier one no more.
    auto first = std::make_unique<QLineEdit>();
    QLineEdit second;
    label.SetFocusControl(first.get());
    label.SetFocusControl(&second);
    first.reset();
    QCOMPARE(label.FocusControl(), &second);
}

QTEST_MAIN(TShadowLabelTest)
#include "TShadowLabelTest.moc"
