#include "platform/table/FieldText.h"

#include "platform/text/Cp1250.h"

#include <QDate>

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

// A whole number in the column, with an optional sign and no other text.
std::optional<qint64> wholeNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 19)
        return std::nullopt;
    qsizetype i = 0;
    const bool negative = text[0] == '-';
    if (text[0] == '-' || text[0] == '+')
        ++i;
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
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

std::optional<QByteArray> writeNumber(const FieldDef &field, const QString &text, QString &error)
{
    const QByteArray given = text.trimmed().toLatin1();
    QByteArray digits;
    if (field.decimals == 0) {
        const auto value = wholeNumber(given);
        if (value)
            digits = QByteArray::number(*value);
    } else if (const auto value = decimalNumber(given)) {
        digits = QByteArray::number(*value, 'f', field.decimals);
    }
    if (digits.isEmpty()) {
        error = QStringLiteral("'%1' is not a number for the column %2.").arg(text, field.name);
        return std::nullopt;
    }
    if (digits.size() > field.length) {
        error = QStringLiteral("%1 does not fit the column %2.").arg(text, field.name);
        return std::nullopt;
    }
    return rightJustified(digits, field.length);
}

std::optional<QByteArray> writeLogical(const FieldDef &field, const QString &text, QString &error)
{
    const QString value = text.trimmed().toLower();
    if (value == u"true" || value == u"t" || value == u"y" || value == u"yes")
        return QByteArray("T");
    if (value == u"false" || value == u"f" || value == u"n" || value == u"no")
        return QByteArray("F");
    error = QStringLiteral("'%1' is not a Boolean value for the column %2.").arg(text, field.name);
    return std::nullopt;
}

std::optional<QByteArray> writeDate(const FieldDef &field, const QString &text, QString &error)
{
    const QByteArray value = text.trimmed().toLatin1();
    if (!QDate::fromString(QString::fromLatin1(value), QStringLiteral("yyyyMMdd")).isValid()) {
        error = QStringLiteral("'%1' is not a date (YYYYMMDD) for the column %2.").arg(text, field.name);
        return std::nullopt;
    }
    return value;
}

std::optional<QByteArray> writeCharacter(const FieldDef &field, const QString &text, QString &error)
{
    QByteArray bytes = Cp1250::encode(text);
    if (bytes.size() > field.length) {
        error = QStringLiteral("The text is longer than the %1 characters of the column %2.")
                    .arg(field.length)
                    .arg(field.name);
        return std::nullopt;
    }
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
            return QString::number(*value);
    }
    if (field.type == FieldType::Character)
        return Cp1250::decode(trimmedRight(raw));
    return Cp1250::decode(text);
}

Match::Match(const FieldDef &field, const QString &text)
    : m_field(field), m_text(text), m_bytes(Cp1250::encode(text))
{
    m_roundTrips = Cp1250::decode(m_bytes) == text;
    if (const auto number = wholeNumber(m_bytes); number && QByteArray::number(*number) == m_bytes)
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
    if (const auto whole = wholeNumber(text))
        value = double(*whole);
    else if (isNumber(field))
        value = decimalNumber(text);
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

std::optional<QByteArray> write(const FieldDef &field, const QString &text, QString &error)
{
    if (field.type != FieldType::Character && text.trimmed().isEmpty())
        return QByteArray(field.length, ' ');
    switch (field.type) {
    case FieldType::Numeric:
    case FieldType::Float:
        return writeNumber(field, text, error);
    case FieldType::Logical:
        return writeLogical(field, text, error);
    case FieldType::Date:
        return writeDate(field, text, error);
    case FieldType::Character:
        return writeCharacter(field, text, error);
    case FieldType::Memo:
        break;
    }
    error = QStringLiteral("The memo column %1 is not stored in the table file.").arg(field.name);
    return std::nullopt;
}

std::optional<quint32> memoBlock(QByteArrayView raw)
{
    const QByteArrayView text = trimmed(raw);
    if (text.isEmpty())
        return 0;
    const auto value = wholeNumber(text);
    if (!value || *value < 0 || *value > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return static_cast<quint32>(*value);
}

QByteArray memoPointer(quint32 block, int length)
{
    return block == 0 ? QByteArray(length, ' ') : rightJustified(QByteArray::number(block), length);
}

} // namespace FieldText
