#pragma once

#include <QByteArray>
#include <QPolygonF>

#include <cstdint>
#include <cstring>

// One metafile record, read only through bounds checks. Every count a record
// claims is checked against the record's real size in 64-bit arithmetic; a
// read past the end gives zeros and marks the record damaged, and a damaged
// record fails the whole file. So does a record of more points than drawing
// programs put in one, which would only cost time and memory to draw.
class RecordBytes
{
public:
    static constexpr uint64_t LargestPointCount = 1 << 18;
    // Points in all the records of one file together.
    static constexpr uint64_t LargestFilePointCount = 1 << 22;

    RecordBytes(const char *data, size_t size) : m_data(data), m_size(size) {}

    size_t size() const { return m_size; }
    uint64_t pointsRead() const { return m_points; }
    bool damaged() const { return m_damaged; }
    void markDamaged() { m_damaged = true; }

    // Whether `count` items of `itemSize` bytes from `offset` lie inside the record.
    bool holds(uint64_t offset, uint64_t count, uint64_t itemSize) const
    {
        return offset <= m_size && (itemSize == 0 || count <= (m_size - offset) / itemSize);
    }
    // Like holds(), but marks the record damaged when they do not.
    bool require(uint64_t offset, uint64_t count, uint64_t itemSize)
    {
        if (!holds(offset, count, itemSize))
            m_damaged = true;
        return !m_damaged;
    }

    template <typename T> T at(uint64_t offset)
    {
        T value{};
        if (require(offset, 1, sizeof value))
            std::memcpy(&value, m_data + offset, sizeof value);
        return value;
    }

    QByteArray bytes(uint64_t offset, uint64_t length)
    {
        return require(offset, length, 1) ? QByteArray(m_data + offset, qsizetype(length)) : QByteArray();
    }

    // `count` points of type Point (with members x and y) from `offset`;
    // all the calls on one record together take at most LargestPointCount.
    template <typename Point> QPolygonF points(uint64_t offset, uint64_t count)
    {
        QPolygonF polygon;
        m_points += count;
        if (m_points > LargestPointCount)
            m_damaged = true;
        if (!require(offset, count, sizeof(Point)))
            return polygon;
        polygon.reserve(qsizetype(count));
        for (uint64_t i = 0; i < count; ++i) {
            Point p;
            std::memcpy(&p, m_data + offset + i * sizeof(Point), sizeof p);
            polygon << QPointF(p.x, p.y);
        }
        return polygon;
    }

private:
    const char *m_data;
    size_t m_size;
    uint64_t m_points = 0;
    bool m_damaged = false;
};
