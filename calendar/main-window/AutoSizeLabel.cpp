#include "calendar/main-window/AutoSizeLabel.h"

#include <QEvent>

AutoSizeLabel::AutoSizeLabel(const QString &text, Anchor anchor, QPoint edge, QWidget *parent)
    : QLabel(text, parent), m_anchor(anchor), m_edge(edge)
{
    setTextFormat(Qt::PlainText);
    setMargin(0);
    fitToText();
}

void AutoSizeLabel::setText(const QString &text)
{
    QLabel::setText(text);
    fitToText();
}

void AutoSizeLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

void AutoSizeLabel::fitToText()
{
    const QSize size = sizeHint();
    const int left = m_anchor == Anchor::Left ? m_edge.x() : m_edge.x() - size.width();
    setGeometry(left, m_edge.y(), size.width(), size.height());
}
