#include "platform/table/FieldText.h"

#include "platform/messages/PlatformMessages.h"
#include "platform/text/Cp1250.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <limits>

namespace FieldText {

namespace {

QByteArrayView trimmed(QByteArrayView raw)
{
    qsizetype begin = 0;
    qsizetype end = raw.size();
    while (begin < end && (raw[begin] == ' ' || raw[begin] == '\0'))
        ++begin;
    while (end > begin && (raw[end - 1] == ' ' || raw[end - 1] == '\0'))
        --end;
    return raw.sliced(begin, end - begin);
}

QByteArrayView trimmedRight(QByteArrayView raw)
{
    qsizetype end = raw.size();
    while (end > 0 && (raw[end - 1] == ' ' || raw[end - 1] == '\0'))
        --end;
    return raw.first(end);
}

bool isNumber(const FieldDef &field)
{
    return field.type == FieldType::Numeric || field.type == FieldType::Float;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), isDigit);
}

// The sign of a number's text, and the rest after it.
bool takeSign(QByteArrayView &text)
{
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    return negative;
}

// Digits without leading zeros, keeping at least `keep` of them; a minus
// before them unless they are all zeros.
QByteArray signedDigits(bool negative, QByteArrayView digits, qsizetype keep = 1)
{
    qsizetype begin = 0;
    while (digits.size() - begin > keep && digits[begin] == '0')
        ++begin;
    QByteArray out = digits.sliced(begin).toByteArray();
    if (negative && out.count('0') != out.size())
        out.prepend('-');
    return out;
}

// A whole number in the column, with an optional sign and no other text, as
// read() shows it: without leading zeros or a plus. Kept as text, so that all
// 20 digits of the widest column come through exactly.
std::optional<QByteArray> wholeNumber(QByteArrayView text)
{
    const bool negative = takeSign(text);
    if (text.isEmpty() || !allDigits(text))
        return std::nullopt;
    return signedDigits(negative, text);
}

// Adds one to a row of digits.
QByteArray incremented(QByteArray digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return '1' + digits;
}

// A number in plain decimal notation ("-12.5", ".5", "7.") rounded to
// `decimals` places (halves away from zero) and written with exactly that
// many, worked on the digits so that no width loses precision.
std::optional<QByteArray> fixedPoint(QByteArrayView text, int decimals)
{
    const bool negative = takeSign(text);
    const qsizetype point = text.indexOf('.');
    const QByteArrayView whole = point < 0 ? text : text.first(point);
    const QByteArrayView fraction = point < 0 ? QByteArrayView() : text.sliced(point + 1);
    if (whole.size() + fraction.size() == 0 || !allDigits(whole) || !allDigits(fraction))
        return std::nullopt;
    QByteArray scaled = whole.toByteArray() + fraction.first(std::min<qsizetype>(fraction.size(), decimals)).toByteArray();
    scaled.append(QByteArray(decimals - std::min<qsizetype>(fraction.size(), decimals), '0'));
    if (fraction.size() > decimals && fraction[decimals] >= '5')
        scaled = incremented(scaled);
    if (scaled.size() <= decimals)
        scaled.prepend(QByteArray(decimals + 1 - scaled.size(), '0'));
    QByteArray digits = signedDigits(negative, scaled, decimals + 1);
    digits.insert(digits.size() - decimals, '.');
    return digits;
}

std::optional<double> decimalNumber(QByteArrayView text)
{
    bool ok = false;
    const double value = QByteArray(text.data(), text.size()).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> logical(char c)
{
    switch (c) {
    case 'T': case 't': case 'Y': case 'y':
        return true;
    case 'F': case 'f': case 'N': case 'n':
        return false;
    default:
        return std::nullopt; // blank and "?" are unset
    }
}

QByteArray rightJustified(const QByteArray &digits, int length)
{
    return QByteArray(length - digits.size(), ' ') + digits;
}

Result<QByteArray> writeNumber(const FieldDef &field, const QString &text)
{
    const QByteArray given = text.trimmed().toLatin1();
    QByteArray digits;
    if (field.decimals == 0) {
        digits = wholeNumber(given).value_or(QByteArray());
    } else if (const auto exact = fixedPoint(given, field.decimals)) {
        digits = *exact;
    } else if (const auto value = decimalNumber(given)) {
        // Exponent notation ("1.5e3") goes through a double.
        digits = QByteArray::number(*value, 'f', field.decimals);
    }
    if (digits.isEmpty())
        return Failure{PlatformMessages::notANumberForColumn(text, field.name)};
    if (digits.size() > field.length)
        return Failure{PlatformMessages::doesNotFitColumn(text, field.name)};
    return rightJustified(digits, field.length);
}

Result<QByteArray> writeLogical(const FieldDef &field, const QString &text)
{
    const QString value = text.trimmed().toLower();
    if (value == u"true" || value == u"t" || value == u"y" || value == u"yes")
        return QByteArray("T");
    if (value == u"false" || value == u"f" || value == u"n" || value == u"no")
        return QByteArray("F");
    return Failure{PlatformMessages::notABooleanForColumn(text, field.name)};
}

Result<QByteArray> writeDate(const FieldDef &field, const QString &text)
{
    const QByteArray value = text.trimmed().toLatin1();
    if (!QDate::fromString(QString::fromLatin1(value), QStringLiteral("yyyyMMdd")).isValid())
        return Failure{PlatformMessages::notADateForColumn(text, field.name)};
    return value;
}

Result<QByteArray> writeCharacter(const FieldDef &field, const QString &text)
{
    QByteArray bytes = Cp1250::encode(text);
    if (bytes.size() > field.length)
        return Failure{PlatformMessages::textTooLongForColumn(field.length, field.name)};
    bytes.append(QByteArray(field.length - bytes.size(), ' '));
    return bytes;
}

} // namespace

QString read(const FieldDef &field, QByteArrayView raw)
{
    const QByteArrayView text = trimmed(raw);
    if (field.type == FieldType::Logical) {
        const auto value = text.isEmpty() ? std::nullopt : logical(text[0]);
        return value ? (*value ? QStringLiteral("True") : QStringLiteral("False")) : QString();
    }
    if (isNumber(field) && field.decimals == 0) {
        if (const auto value = wholeNumber(text))
            return QString::fromLatin1(*value);
    }
    if (field.type == FieldType::Character)
        return Cp1250::decode(trimmedRight(raw));
    return Cp1250::decode(text);
}

Match::Match(const FieldDef &field, const QString &text)
    : m_field(field), m_text(text), m_bytes(Cp1250::encode(text))
{
    m_roundTrips = Cp1250::decode(m_bytes) == text;
    if (const auto number = wholeNumber(m_bytes); number == m_bytes)
        m_number = number;
}

bool Match::operator()(QByteArrayView raw) const
{
    if (!m_roundTrips)
        return read(m_field, raw) == m_text;
    if (m_field.type == FieldType::Character)
        return trimmedRight(raw) == m_bytes;
    if (!isNumber(m_field) || m_field.decimals != 0)
        return read(m_field, raw) == m_text;
    const QByteArrayView text = trimmed(raw);
    if (const auto value = wholeNumber(text))
        return value == m_number;
    return text == m_bytes;
}

bool Match::memo(QByteArrayView stored) const
{
    return m_roundTrips ? stored == m_bytes : Cp1250::decode(stored) == m_text;
}

qint32 readInteger(const FieldDef &field, QByteArrayView raw)
{
    const QByteArrayView text = trimmed(raw);
    std::optional<double> value;
    if (const auto whole = wholeNumber(text)) {
        bool ok = false;
        const qlonglong number = whole->toLongLong(&ok);
        if (ok)
            value = double(number);
    } else if (isNumber(field)) {
        value = decimalNumber(text);
    }
    if (!value)
        return 0;
    const double truncated = std::trunc(*value);
    if (truncated < std::numeric_limits<qint32>::min() || truncated > std::numeric_limits<qint32>::max())
        return 0;
    return static_cast<qint32>(truncated);
}

bool readBoolean(QByteArrayView raw)
{
    const QByteArrayView text = trimmed(raw);
    return !text.isEmpty() && logical(text[0]).value_or(false);
}

bool isBlank(const FieldDef &field, QByteArrayView raw)
{
    const QByteArrayView text = trimmed(raw);
    if (field.type == FieldType::Logical)
        return text.isEmpty() || !logical(text[0]);
    return text.isEmpty();
}

Result<QByteArray> write(const FieldDef &field, const QString &text)
{
    if (field.type != FieldType::Character && text.trimmed().isEmpty())
        return QByteArray(field.length, ' ');
    switch (field.type) {
    case FieldType::Numeric:
    case FieldType::Float:
        return writeNumber(field, text);
    case FieldType::Logical:
        return writeLogical(field, text);
    case FieldType::Date:
        return writeDate(field, text);
    case FieldType::Character:
        return writeCharacter(field, text);
    case FieldType::Memo:
        break;
    }
    return Failure{PlatformMessages::memoColumnNotInTable(field.name)};
}

std::optional<quint32> memoBlock(QByteArrayView raw)
{
    const QByteArrayView text = trimmed(raw);
    if (text.isEmpty())
        return 0;
    const auto digits = wholeNumber(text);
    bool ok = false;
    const qulonglong value = digits && !digits->startsWith('-') ? digits->toULongLong(&ok) : 0;
    if (!ok || value > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return static_cast<quint32>(value);
}

QByteArray memoPointer(quint32 block, int length)
{
    return block == 0 ? QByteArray(length, ' ') : rightJustified(QByteArray::number(block), length);
}

} // namespace FieldText
