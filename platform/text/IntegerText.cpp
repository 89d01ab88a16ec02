#include "platform/text/IntegerText.h"

#include "platform/messages/PlatformMessages.h"

namespace {

constexpr qint64 kLimit = 0x80000000LL; // one past the largest positive value

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Hexadecimal keeps the 32-bit pattern: "$FFFFFFFF" is -1. Leading zeros are
// free; a ninth significant digit overflows.
std::optional<quint32> hexValue(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint32 value = 0;
    for (QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0 || value > 0x0FFFFFFFu)
            return std::nullopt;
        value = (value << 4) | quint32(d);
    }
    return value;
}

std::optional<qint32> decimalValue(QStringView digits, bool negative)
{
    if (digits.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > kLimit)
            return std::nullopt;
    }
    if (negative)
        return qint32(-value);
    if (value == kLimit)
        return std::nullopt;
    return qint32(value);
}

std::optional<qint32> convert(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    const QStringView rest = text.mid(i);
    qsizetype hexPrefix = 0;
    if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X'))
        hexPrefix = 1;
    else if (rest.startsWith(u"0x") || rest.startsWith(u"0X"))
        hexPrefix = 2;
    if (hexPrefix == 0)
        return decimalValue(rest, negative);
    const auto bits = hexValue(rest.mid(hexPrefix));
    if (!bits)
        return std::nullopt;
    const qint32 value = qint32(*bits);
    return negative ? qint32(0u - quint32(value)) : value;
}

} // namespace

Result<qint32> parseInteger(const QString &text)
{
    if (const std::optional<qint32> value = convert(text))
        return *value;
    return Failure{PlatformMessages::ClassLibrary::notAValidInteger(text)};
}
