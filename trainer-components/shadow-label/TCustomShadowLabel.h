#pragma once

#include "platform/paint/TColor.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

class QPainter;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

// A label that draws its caption twice: first in the shadow colour, moved
// diagonally by ShadowSize pixels, then in the font colour over it. Auto-size
// includes the shadow; mouse enter and leave fire only while this application
// owns the active window; "&x" in the caption focuses FocusControl.
class TCustomShadowLabel : public QWidget
{
    Q_OBJECT

public:
    explicit TCustomShadowLabel(QWidget *parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    QWidget *FocusControl() const { return m_focusControl; }
    void SetFocusControl(QWidget *control);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout layout);
    TColor ShadowColor() const { return m_shadowColor; }
    void SetShadowColor(TColor color);
    quint8 ShadowSize() const { return m_shadowSize; }
    void SetShadowSize(quint8 size);
    TShadowPosition ShadowPos() const { return m_shadowPos; }
    void SetShadowPos(TShadowPosition position);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool show);
    bool ShowFocus() const { return m_showFocus; }
    void SetShowFocus(bool show);
    bool Transparent() const { return !m_opaque; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);

    bool MouseInside() const { return m_mouseInside; }

    // The whole label in client coordinates, onto any painter.
    void PaintOn(QPainter &painter);

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    virtual TColor LabelTextColor() const { return m_fontColor; }
    virtual QString LabelText() const { return m_caption; }
    virtual void NotifyMouseEnter();
    virtual void NotifyMouseLeave();

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect DrawLabelText(QPainter *painter, QRect rect, uint flags) const;
    void FitBoundsToText();
    void UpdateMouseInside();
    void UpdateAccelerator();
    bool HandleAccelerator();
    void FocusChanged(QWidget *old, QWidget *now);
    void FocusControlDestroyed();
    uint PaintFlags() const;

    QPointer<QWidget> m_focusControl;
    QMetaObject::Connection m_focusControlWatch;
    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = true;
    TTextLayout m_layout = tlTop;
    TColor m_shadowColor = Colors::clBtnHighlight;
    quint8 m_shadowSize = 1;
    TShadowPosition m_shadowPos = spLeftTop;
    bool m_wordWrap = false;
    bool m_showAccelChar = true;
    bool m_showFocus = false;
    bool m_focusActive = false;
    bool m_mouseInside = false;
    bool m_leftPressed = false;
    bool m_opaque = true;
    QString m_caption;
    TColor m_color = Colors::clBtnFace;
    TColor m_fontColor = Colors::clWindowText;
    int m_acceleratorId = 0;
};
