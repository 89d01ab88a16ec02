#include "trainer-components/shadow-label/TCustomShadowLabel.h"

#include "trainer-components/shadow-label/IsAppWindowActive.h"
#include "trainer-components/shadow-label/LabelTextDrawing.h"

#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

using namespace LabelTextDrawing;

namespace {

QPoint shadowOffset(int position, int size)
{
    switch (position) {
    case spLeftTop: return {-size, -size};
    case spLeftBottom: return {-size, size};
    case spRightBottom: return {size, size};
    case spRightTop: return {size, -size};
    default: return {};
    }
}

// Right and bottom as the drawing rectangles take them: one past the last pixel.
int rightEdge(const QRect &rect) { return rect.x() + rect.width(); }
int bottomEdge(const QRect &rect) { return rect.y() + rect.height(); }

// Stores `value` and tells whether that changed anything.
template <typename T>
bool changed(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

unsigned alignmentFlag(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify: return Right;
    case taCenter: return Center;
    default: return Left;
    }
}

} // namespace

TCustomShadowLabel::TCustomShadowLabel(QWidget *parent) : QWidget(parent)
{
    resize(65, 17);
    connect(qApp, &QApplication::focusChanged, this, &TCustomShadowLabel::FocusChanged);
}

void TCustomShadowLabel::SetCaption(const QString &caption)
{
    if (!changed(m_caption, caption))
        return;
    UpdateAccelerator();
    update();
    FitBoundsToText();
}

void TCustomShadowLabel::SetColor(TColor color)
{
    if (changed(m_color, color))
        update();
}

void TCustomShadowLabel::SetFontColor(TColor color)
{
    if (changed(m_fontColor, color))
        update();
}

void TCustomShadowLabel::SetAlignment(TAlignment alignment)
{
    if (changed(m_alignment, alignment))
        update();
}

void TCustomShadowLabel::SetAutoSize(bool autoSize)
{
    if (changed(m_autoSize, autoSize))
        FitBoundsToText();
}

void TCustomShadowLabel::SetFocusControl(QWidget *control)
{
    disconnect(m_focusControlWatch);
    m_focusControl = control;
    if (control)
        m_focusControlWatch = connect(control, &QObject::destroyed, this, &TCustomShadowLabel::FocusControlDestroyed);
    if (m_showFocus)
        update();
}

void TCustomShadowLabel::SetLayout(TTextLayout layout)
{
    if (changed(m_layout, layout))
        update();
}

void TCustomShadowLabel::SetShadowColor(TColor color)
{
    if (changed(m_shadowColor, color))
        update();
}

void TCustomShadowLabel::SetShadowSize(quint8 size)
{
    if (!changed(m_shadowSize, size))
        return;
    FitBoundsToText();
    update();
}

void TCustomShadowLabel::SetShadowPos(TShadowPosition position)
{
    if (changed(m_shadowPos, position))
        update();
}

void TCustomShadowLabel::SetShowAccelChar(bool show)
{
    if (!changed(m_showAccelChar, show))
        return;
    UpdateAccelerator();
    update();
}

void TCustomShadowLabel::SetShowFocus(bool show)
{
    if (changed(m_showFocus, show))
        update();
}

void TCustomShadowLabel::SetTransparent(bool transparent)
{
    if (changed(m_opaque, !transparent))
        update();
}

void TCustomShadowLabel::SetWordWrap(bool wordWrap)
{
    if (changed(m_wordWrap, wordWrap))
        FitBoundsToText();
}

void TCustomShadowLabel::NotifyMouseEnter()
{
    emit OnMouseEnter();
}

void TCustomShadowLabel::NotifyMouseLeave()
{
    emit OnMouseLeave();
}

uint TCustomShadowLabel::PaintFlags() const
{
    return ExpandTabs | (m_wordWrap ? WordBreak : 0u) | alignmentFlag(m_alignment);
}

QRect TCustomShadowLabel::DrawLabelText(QPainter *painter, QRect rect, uint flags) const
{
    QString text = LabelText();
    const bool measuring = flags & CalcRect;
    // An empty label still measures one line.
    if (measuring && (text.isEmpty() || (m_showAccelChar && text == u"&")))
        text += u' ';
    if (!m_showAccelChar)
        flags |= NoPrefix;

    int position = m_shadowPos;
    int size = m_shadowSize;
    QColor textColor = LabelTextColor().toQColor();
    QColor shadowColor = m_shadowColor.toQColor();
    if (!isEnabled()) {
        if (size == 0) {
            position = spRightBottom;
            size = 1;
        }
        textColor = Colors::clGrayText.toQColor();
        shadowColor = Colors::clBtnHighlight.toQColor();
    }

    QRect textRect = rect;
    QRect shadowRect = rect.translated(shadowOffset(position, size));
    if (measuring) {
        QPaintDevice *device = painter ? painter->device() : nullptr;
        shadowRect = measure(font(), device, shadowRect, text, flags);
        textRect = measure(font(), device, textRect, text, flags);
    } else {
        painter->setFont(font());
        painter->setPen(shadowColor);
        draw(*painter, shadowRect, text, flags);
        painter->setPen(textColor);
        draw(*painter, textRect, text, flags);
    }
    return textRect.united(shadowRect);
}

void TCustomShadowLabel::PaintOn(QPainter &painter)
{
    if (!isEnabled())
        m_leftPressed = false;
    const QRect client = rect();
    if (m_opaque)
        painter.fillRect(client, m_color.toQColor());
    QRect r = client.adjusted(1, 0, -1, 0);
    const uint flags = PaintFlags();
    if (m_layout != tlTop) {
        r = DrawLabelText(&painter, r, flags | CalcRect);
        r.setLeft(client.left());
        r.setRight(client.right());
        const int excess = height() - bottomEdge(r);
        r.translate(0, m_layout == tlBottom ? excess : excess / 2);
    }
    r = DrawLabelText(&painter, r, flags);
    if (m_showFocus && m_focusControl && m_focusActive) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        // Styles draw focus frames only after keyboard use; this one is always shown.
        option.state |= QStyle::State_KeyboardFocusChange;
        option.rect = r.adjusted(-1, 0, 1, 0);
        option.backgroundColor = m_color.toQColor();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TCustomShadowLabel::FitBoundsToText()
{
    if (!m_autoSize)
        return;
    QRect r = rect().adjusted(1, 0, -1, 0);
    r = DrawLabelText(nullptr, r, ExpandTabs | CalcRect | (m_wordWrap ? WordBreak : 0u));
    r.adjust(-1, 0, 1, 0);
    TAlignment alignment = m_alignment;
    if (layoutDirection() == Qt::RightToLeft && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    const int left = x() + (alignment == taRightJustify ? width() - rightEdge(r) : 0);
    setGeometry(left, y(), rightEdge(r), bottomEdge(r));
}

void TCustomShadowLabel::UpdateMouseInside()
{
    const bool inside = isEnabled() && QApplication::widgetAt(QCursor::pos()) == this && IsAppWindowActive();
    if (inside == m_mouseInside)
        return;
    m_mouseInside = inside;
    if (inside)
        NotifyMouseEnter();
    else
        NotifyMouseLeave();
}

void TCustomShadowLabel::UpdateAccelerator()
{
    if (m_acceleratorId != 0)
        releaseShortcut(m_acceleratorId);
    m_acceleratorId = 0;
    const QKeySequence accelerator = m_showAccelChar ? QKeySequence::mnemonic(LabelText()) : QKeySequence();
    if (!accelerator.isEmpty())
        m_acceleratorId = grabShortcut(accelerator);
}

bool TCustomShadowLabel::HandleAccelerator()
{
    QWidget *target = m_focusControl;
    if (!target || !isEnabled() || !m_showAccelChar)
        return false;
    if (!target->isVisible() || !target->isEnabled() || target->focusPolicy() == Qt::NoFocus)
        return false;
    target->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void TCustomShadowLabel::FocusChanged(QWidget *, QWidget *now)
{
    const bool active = m_focusControl && now == m_focusControl;
    if (active == m_focusActive)
        return;
    m_focusActive = active;
    if (m_showFocus)
        update();
}

void TCustomShadowLabel::FocusControlDestroyed()
{
    SetFocusControl(nullptr);
}

bool TCustomShadowLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut)
        return HandleAccelerator();
    return QWidget::event(event);
}

void TCustomShadowLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintOn(painter);
}

void TCustomShadowLabel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitBoundsToText();
    else if (event->type() == QEvent::EnabledChange)
        UpdateMouseInside();
}

void TCustomShadowLabel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    UpdateMouseInside();
}

void TCustomShadowLabel::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (!m_mouseInside && isEnabled() && IsAppWindowActive()) {
        m_mouseInside = true;
        NotifyMouseEnter();
    }
}

void TCustomShadowLabel::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    // Qt sends a leave to a widget hidden under the mouse; hiding fires nothing.
    if (m_mouseInside && isEnabled() && !m_leftPressed && isVisible()) {
        m_mouseInside = false;
        NotifyMouseLeave();
    }
}

void TCustomShadowLabel::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled())
        m_leftPressed = true;
    else if (event->button() == Qt::RightButton)
        UpdateMouseInside();
}

void TCustomShadowLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (m_leftPressed && event->button() == Qt::LeftButton)
        m_leftPressed = false;
    UpdateMouseInside();
}
