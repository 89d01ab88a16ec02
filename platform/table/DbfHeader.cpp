#include "platform/table/DbfHeader.h"

#include "platform/messages/PlatformMessages.h"
#include "platform/text/Cp1250.h"

#include <QtEndian>

namespace {

constexpr int kPrefixLength = 32;
constexpr int kDescriptorLength = 32;
constexpr char kFieldListEnd = 0x0D;
constexpr unsigned char kLanguageWindows1250 = 0xC8;
constexpr int kMaxRecordLength = 65535;

int defaultLength(FieldType type)
{
    switch (type) {
    case FieldType::Numeric:
    case FieldType::Float:
        return 11;
    case FieldType::Logical:
        return 1;
    case FieldType::Memo:
        return 10;
    case FieldType::Date:
        return 8;
    case FieldType::Character:
        break;
    }
    return 0;
}

bool knownType(char letter)
{
    return QByteArrayView("CNFLMD").contains(letter);
}

// Widths a reader accepts for each type; writers use the defaults.
bool lengthFits(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Character:
        return field.length >= 1 && field.length <= 255;
    case FieldType::Numeric:
    case FieldType::Float:
        return field.length >= 1 && field.length <= 20 && field.decimals < field.length;
    case FieldType::Logical:
        return field.length >= 1;
    case FieldType::Memo:
        return field.length >= 1 && field.length <= 10;
    case FieldType::Date:
        return field.length == 8;
    }
    return false;
}

} // namespace

Result<DbfHeader> DbfHeader::parse(QByteArrayView file, const QString &fileName)
{
    const auto damaged = [&fileName](const QString &what) {
        return Failure{PlatformMessages::tableDamaged(fileName, what)};
    };
    if (file.size() < kPrefixLength + 1)
        return damaged(PlatformMessages::shorterThanTableHeader());
    const auto *bytes = reinterpret_cast<const uchar *>(file.data());
    DbfHeader header;
    header.m_version = bytes[0];
    if (header.m_version != 0x03 && header.m_version != 0x83 && header.m_version != 0x8B)
        return Failure{PlatformMessages::notADbaseTable(
            fileName, QStringLiteral("%1").arg(header.m_version, 2, 16, QLatin1Char('0')))};
    header.m_recordCount = qFromLittleEndian<quint32>(bytes + 4);
    header.m_headerLength = qFromLittleEndian<quint16>(bytes + 8);
    header.m_recordLength = qFromLittleEndian<quint16>(bytes + 10);
    if (header.m_headerLength > file.size() || header.m_headerLength < kPrefixLength + 1)
        return damaged(PlatformMessages::headerLengthDoesNotFit(header.m_headerLength));

    QList<FieldDef> fields;
    int at = kPrefixLength;
    while (at < header.m_headerLength && file[at] != kFieldListEnd) {
        if (at + kDescriptorLength > header.m_headerLength)
            return damaged(PlatformMessages::columnListPastHeader(header.m_headerLength));
        const QByteArrayView descriptor = file.sliced(at, kDescriptorLength);
        const QByteArrayView name = descriptor.first(11);
        const qsizetype nameEnd = name.indexOf('\0');
        FieldDef field;
        field.name = Cp1250::decode(nameEnd < 0 ? name : name.first(nameEnd));
        if (!knownType(descriptor[11]))
            return damaged(PlatformMessages::unknownColumnType(field.name, QChar(uchar(descriptor[11]))));
        field.type = FieldType(descriptor[11]);
        field.length = uchar(descriptor[16]);
        field.decimals = uchar(descriptor[17]);
        if (field.name.isEmpty())
            return damaged(PlatformMessages::columnWithoutName(int(fields.size()) + 1));
        if (!lengthFits(field))
            return damaged(PlatformMessages::impossibleColumnWidth(field.name, field.length, field.decimals));
        fields.append(field);
        at += kDescriptorLength;
    }
    if (at >= header.m_headerLength)
        return damaged(PlatformMessages::columnListWithoutEnd());
    if (fields.isEmpty())
        return damaged(PlatformMessages::noColumns());

    const int declaredLength = header.m_recordLength;
    if (const Result<> set = header.setFields(fields); !set)
        return damaged(set.error());
    if (header.m_recordLength != declaredLength)
        return damaged(PlatformMessages::recordLengthMismatch(declaredLength, header.m_recordLength));
    if (header.hasMemoColumn())
        header.m_memoLayout = header.m_version == 0x8B ? MemoLayout::DBase4 : MemoLayout::DBase3;
    const qint64 needed = header.recordOffset(header.m_recordCount);
    if (needed > file.size())
        return damaged(PlatformMessages::fileTooShortForRecords(file.size(), header.m_recordCount, needed));
    return header;
}

Result<DbfHeader> DbfHeader::forNewTable(const QList<FieldDef> &fields)
{
    QList<FieldDef> sized;
    for (FieldDef field : fields) {
        const QByteArray name = Cp1250::encode(field.name);
        if (name.isEmpty() || name.size() > 10)
            return Failure{PlatformMessages::columnNameLength(field.name)};
        if (field.length == 0)
            field.length = defaultLength(field.type);
        if (field.type == FieldType::Memo || field.type == FieldType::Logical || field.type == FieldType::Date)
            field.decimals = 0;
        if (!lengthFits(field) || (field.type == FieldType::Character && field.length > 254))
            return Failure{PlatformMessages::columnWidth(field.name, field.length, field.decimals)};
        sized.append(field);
    }
    if (sized.isEmpty())
        return Failure{PlatformMessages::noColumnGiven()};
    DbfHeader header;
    if (const Result<> set = header.setFields(sized); !set)
        return Failure{set.error()};
    header.m_recordCount = 0;
    header.m_headerLength = kPrefixLength + kDescriptorLength * int(sized.size()) + 1;
    header.m_memoLayout = header.hasMemoColumn() ? MemoLayout::DBase3 : MemoLayout::None;
    header.m_version = header.hasMemoColumn() ? 0x83 : 0x03;
    return header;
}

Result<> DbfHeader::setFields(const QList<FieldDef> &fields)
{
    m_fields = fields;
    m_offsets.clear();
    int offset = 1;
    for (const FieldDef &field : fields) {
        m_offsets.append(offset);
        offset += field.length;
        if (offset > kMaxRecordLength)
            return Failure{PlatformMessages::recordsTooLong(kMaxRecordLength)};
    }
    m_recordLength = offset;
    return {};
}

bool DbfHeader::hasMemoColumn() const
{
    return std::any_of(m_fields.begin(), m_fields.end(),
                       [](const FieldDef &field) { return field.type == FieldType::Memo; });
}

QByteArray DbfHeader::updateBytes(QDate updated, quint32 recordCount)
{
    QByteArray bytes(7, '\0');
    bytes[0] = char(qBound(0, updated.year() - 1900, 255));
    bytes[1] = char(updated.month());
    bytes[2] = char(updated.day());
    qToLittleEndian<quint32>(recordCount, bytes.data() + 3);
    return bytes;
}

QByteArray DbfHeader::bytes(QDate updated) const
{
    QByteArray out(m_headerLength, '\0');
    out[0] = char(m_version);
    out.replace(1, 7, updateBytes(updated, m_recordCount));
    qToLittleEndian<quint16>(quint16(m_headerLength), out.data() + 8);
    qToLittleEndian<quint16>(quint16(m_recordLength), out.data() + 10);
    out[29] = char(kLanguageWindows1250);
    int at = kPrefixLength;
    for (const FieldDef &field : m_fields) {
        const QByteArray name = Cp1250::encode(field.name);
        out.replace(at, name.size(), name);
        out[at + 11] = char(field.type);
        out[at + 16] = char(field.length);
        out[at + 17] = char(field.decimals);
        at += kDescriptorLength;
    }
    out[at] = kFieldListEnd;
    return out;
}
