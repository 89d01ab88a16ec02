#pragma once

#include <QLabel>

// A label that sizes itself to its text and keeps one edge in place: a
// right-anchored label grows to the left.
class AutoSizeLabel : public QLabel
{
    Q_OBJECT

public:
    enum class Anchor { Left, Right };

    // `edge` is the top-left corner, or the top-right corner for Anchor::Right.
    AutoSizeLabel(const QString &text, Anchor anchor, QPoint edge, QWidget *parent);

    void setText(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitToText();

    Anchor m_anchor;
    QPoint m_edge;
};
