#pragma once

#include "platform/result/Result.h"

#include <QColor>
#include <QString>

// A colour as the programs store it: 32 bits, 0x00BBGGRR for plain colours,
// 0x80000000 + index for the 25 system colours, clNone 0x1FFFFFFF.
class TColor
{
public:
    constexpr TColor() = default;
    constexpr explicit TColor(quint32 value) : m_value(value) {}

    constexpr quint32 value() const { return m_value; }
    constexpr bool isSystemColor() const { return (m_value & 0xFF000000u) == 0x80000000u; }

    // System colours resolve to the current palette's colours; any other value
    // paints its three colour bytes (clNone paints white).
    QColor toQColor() const;
    static TColor fromQColor(const QColor &color);

    // The name of the colour-name table (first match from the top), else "$"
    // and 8 upper-case hex digits.
    QString toText() const;
    // A name of the table (letter case ignored), else the general integer
    // conversion, which fails with "'%s' is not a valid integer value".
    static Result<TColor> fromText(const QString &text);

    friend constexpr bool operator==(TColor, TColor) = default;

private:
    quint32 m_value = 0;
};

namespace Colors {
inline constexpr TColor clBlack{0x00000000};
inline constexpr TColor clMaroon{0x00000080};
inline constexpr TColor clGreen{0x00008000};
inline constexpr TColor clOlive{0x00008080};
inline constexpr TColor clNavy{0x00800000};
inline constexpr TColor clPurple{0x00800080};
inline constexpr TColor clTeal{0x00808000};
inline constexpr TColor clGray{0x00808080};
inline constexpr TColor clSilver{0x00C0C0C0};
inline constexpr TColor clRed{0x000000FF};
inline constexpr TColor clLime{0x0000FF00};
inline constexpr TColor clYellow{0x0000FFFF};
inline constexpr TColor clBlue{0x00FF0000};
inline constexpr TColor clFuchsia{0x00FF00FF};
inline constexpr TColor clAqua{0x00FFFF00};
inline constexpr TColor clWhite{0x00FFFFFF};
inline constexpr TColor clNone{0x1FFFFFFF};
inline constexpr TColor clScrollBar{0x80000000};
inline constexpr TColor clBackground{0x80000001};
inline constexpr TColor clActiveCaption{0x80000002};
inline constexpr TColor clInactiveCaption{0x80000003};
inline constexpr TColor clMenu{0x80000004};
inline constexpr TColor clWindow{0x80000005};
inline constexpr TColor clWindowFrame{0x80000006};
inline constexpr TColor clMenuText{0x80000007};
inline constexpr TColor clWindowText{0x80000008};
inline constexpr TColor clCaptionText{0x80000009};
inline constexpr TColor clActiveBorder{0x8000000A};
inline constexpr TColor clInactiveBorder{0x8000000B};
inline constexpr TColor clAppWorkSpace{0x8000000C};
inline constexpr TColor clHighlight{0x8000000D};
inline constexpr TColor clHighlightText{0x8000000E};
inline constexpr TColor clBtnFace{0x8000000F};
inline constexpr TColor clBtnShadow{0x80000010};
inline constexpr TColor clGrayText{0x80000011};
inline constexpr TColor clBtnText{0x80000012};
inline constexpr TColor clInactiveCaptionText{0x80000013};
inline constexpr TColor clBtnHighlight{0x80000014};
inline constexpr TColor cl3DDkShadow{0x80000015};
inline constexpr TColor cl3DLight{0x80000016};
inline constexpr TColor clInfoText{0x80000017};
inline constexpr TColor clInfoBk{0x80000018};
} // namespace Colors
