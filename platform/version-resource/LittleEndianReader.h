#pragma once

#include <QByteArrayView>

#include <optional>

// Bounds-checked little-endian reads from a file image: a read past the end
// gives nothing instead of touching memory that is not there.
class LittleEndianReader
{
public:
    explicit LittleEndianReader(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype size() const { return m_bytes.size(); }
    bool holds(quint64 offset, quint64 length) const
    {
        return offset <= quint64(m_bytes.size()) && length <= quint64(m_bytes.size()) - offset;
    }
    std::optional<quint16> u16(quint64 offset) const { return read<quint16>(offset); }
    std::optional<quint32> u32(quint64 offset) const { return read<quint32>(offset); }
    std::optional<quint64> u64(quint64 offset) const { return read<quint64>(offset); }
    QByteArrayView slice(quint64 offset, quint64 length) const
    {
        return holds(offset, length) ? m_bytes.sliced(qsizetype(offset), qsizetype(length)) : QByteArrayView();
    }

private:
    template <typename T>
    std::optional<T> read(quint64 offset) const
    {
        if (!holds(offset, sizeof(T)))
            return std::nullopt;
        T value = 0;
        for (unsigned i = 0; i < sizeof(T); ++i)
            value |= T(quint8(m_bytes[qsizetype(offset + i)])) << (8 * i);
        return value;
    }

    QByteArrayView m_bytes;
};
