#include "platform/paint/TColor.h"

#include "platform/text/IntegerText.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <array>

namespace {

struct NamedColor
{
    const char *name;
    TColor color;
};

// The writer takes the first entry whose value matches.
constexpr std::array<NamedColor, 42> kNames{{
    {"clBlack", Colors::clBlack},
    {"clMaroon", Colors::clMaroon},
    {"clGreen", Colors::clGreen},
    {"clOlive", Colors::clOlive},
    {"clNavy", Colors::clNavy},
    {"clPurple", Colors::clPurple},
    {"clTeal", Colors::clTeal},
    {"clGray", Colors::clGray},
    {"clSilver", Colors::clSilver},
    {"clRed", Colors::clRed},
    {"clLime", Colors::clLime},
    {"clYellow", Colors::clYellow},
    {"clBlue", Colors::clBlue},
    {"clFuchsia", Colors::clFuchsia},
    {"clAqua", Colors::clAqua},
    {"clWhite", Colors::clWhite},
    {"clScrollBar", Colors::clScrollBar},
    {"clBackground", Colors::clBackground},
    {"clActiveCaption", Colors::clActiveCaption},
    {"clInactiveCaption", Colors::clInactiveCaption},
    {"clMenu", Colors::clMenu},
    {"clWindow", Colors::clWindow},
    {"clWindowFrame", Colors::clWindowFrame},
    {"clMenuText", Colors::clMenuText},
    {"clWindowText", Colors::clWindowText},
    {"clCaptionText", Colors::clCaptionText},
    {"clActiveBorder", Colors::clActiveBorder},
    {"clInactiveBorder", Colors::clInactiveBorder},
    {"clAppWorkSpace", Colors::clAppWorkSpace},
    {"clHighlight", Colors::clHighlight},
    {"clHighlightText", Colors::clHighlightText},
    {"clBtnFace", Colors::clBtnFace},
    {"clBtnShadow", Colors::clBtnShadow},
    {"clGrayText", Colors::clGrayText},
    {"clBtnText", Colors::clBtnText},
    {"clInactiveCaptionText", Colors::clInactiveCaptionText},
    {"clBtnHighlight", Colors::clBtnHighlight},
    {"cl3DDkShadow", Colors::cl3DDkShadow},
    {"cl3DLight", Colors::cl3DLight},
    {"clInfoText", Colors::clInfoText},
    {"clInfoBk", Colors::clInfoBk},
    {"clNone", Colors::clNone},
}};

struct PaletteColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour index -> the palette colour playing that part on this desktop.
constexpr std::array<PaletteColor, 25> kSystemColors{{
    {QPalette::Active, QPalette::Midlight},          // scroll bar
    {QPalette::Active, QPalette::Dark},              // desktop background
    {QPalette::Active, QPalette::Highlight},         // active caption
    {QPalette::Inactive, QPalette::Mid},             // inactive caption
    {QPalette::Active, QPalette::Window},            // menu
    {QPalette::Active, QPalette::Base},              // window
    {QPalette::Active, QPalette::Shadow},            // window frame
    {QPalette::Active, QPalette::WindowText},        // menu text
    {QPalette::Active, QPalette::Text},              // window text
    {QPalette::Active, QPalette::HighlightedText},   // caption text
    {QPalette::Active, QPalette::Window},            // active border
    {QPalette::Inactive, QPalette::Window},          // inactive border
    {QPalette::Active, QPalette::Dark},              // application work space
    {QPalette::Active, QPalette::Highlight},         // highlight
    {QPalette::Active, QPalette::HighlightedText},   // highlight text
    {QPalette::Active, QPalette::Button},            // button face
    {QPalette::Active, QPalette::Dark},              // button shadow
    {QPalette::Disabled, QPalette::Text},            // grey text
    {QPalette::Active, QPalette::ButtonText},        // button text
    {QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    {QPalette::Active, QPalette::Light},             // button highlight
    {QPalette::Active, QPalette::Shadow},            // 3D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 3D light
    {QPalette::Active, QPalette::ToolTipText},       // info text
    {QPalette::Active, QPalette::ToolTipBase},       // info background
}};

// Names match without regard to ASCII letter case only; no other character
// folds onto a letter of a name.
bool sameName(const QString &text, const char *name)
{
    const QLatin1String latin(name);
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    return text.size() == latin.size()
        && std::equal(text.cbegin(), text.cend(), latin.begin(), [&](QChar a, char b) {
               return lower(a.unicode()) == lower(char16_t(b));
           });
}

} // namespace

QColor TColor::toQColor() const
{
    if (isSystemColor()) {
        // Like the system's colour lookup, only the low byte selects; an
        // unknown index has no colour and paints black.
        const quint32 index = m_value & 0xFFu;
        if (index >= kSystemColors.size())
            return QColor(Qt::black);
        const PaletteColor entry = kSystemColors[index];
        return QGuiApplication::palette().color(entry.group, entry.role);
    }
    // The high byte of other values (clNone among them) does not take part in
    // painting: only the three colour bytes count.
    return QColor(int(m_value & 0xFFu), int((m_value >> 8) & 0xFFu), int((m_value >> 16) & 0xFFu));
}

TColor TColor::fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return TColor(quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16);
}

QString TColor::toText() const
{
    for (const NamedColor &entry : kNames) {
        if (entry.color == *this)
            return QString::fromLatin1(entry.name);
    }
    return QStringLiteral("$%1").arg(m_value, 8, 16, QLatin1Char('0')).toUpper();
}

Result<TColor> TColor::fromText(const QString &text)
{
    for (const NamedColor &entry : kNames) {
        if (sameName(text, entry.name))
            return entry.color;
    }
    const Result<qint32> value = parseInteger(text);
    if (!value)
        return Failure{value.error()};
    return TColor(quint32(*value));
}
