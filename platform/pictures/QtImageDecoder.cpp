#include "platform/pictures/QtImageDecoder.h"

#include "platform/messages/PlatformMessages.h"

#include <QImageReader>
#include <QIODevice>
#include <QtEndian>

#include <cstring>

namespace {

Failure endsEarly() { return {PlatformMessages::pictureEndsEarly()}; }

// A read-only device over the data that notes reads and seeks beyond its end.
// A last bitmap row may lack its padding (up to three bytes): some writers
// leave it out, and no pixel is lost.
class BoundedData : public QIODevice
{
public:
    explicit BoundedData(const QByteArray &data) : m_data(data)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool overran() const { return m_overran; }
    bool readPastItsEnd() const { return m_overran || m_paddingMissing; }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_data.size(); }
    bool seek(qint64 position) override
    {
        if (position < 0 || position > m_data.size()) {
            m_overran = true;
            return false;
        }
        return QIODevice::seek(position);
    }

protected:
    qint64 readData(char *into, qint64 wanted) override
    {
        const qint64 available = std::clamp<qint64>(m_data.size() - pos(), 0, wanted);
        if (available < wanted) {
            // The padding: a row's read that lacks three bytes at most, once.
            const bool padding = !m_paddingMissing && available > 0 && wanted - available <= 3;
            (padding ? m_paddingMissing : m_overran) = true;
        }
        // A read of nothing may come with no buffer at all.
        if (available > 0)
            std::memcpy(into, m_data.constData() + pos(), size_t(available));
        return available;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray &m_data;
    bool m_overran = false;
    bool m_paddingMissing = false;
};

// Whether every image an icon's directory lists lies inside the file.
bool iconEntriesInside(const QByteArray &data)
{
    constexpr qsizetype DirectorySize = 6;
    constexpr qsizetype EntrySize = 16;
    if (data.size() < DirectorySize)
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype count = qFromLittleEndian<quint16>(bytes + 4);
    if (DirectorySize + count * EntrySize > data.size())
        return false;
    for (qsizetype i = 0; i < count; ++i) {
        const uchar *entry = bytes + DirectorySize + i * EntrySize;
        const quint64 size = qFromLittleEndian<quint32>(entry + 8);
        const quint64 offset = qFromLittleEndian<quint32>(entry + 12);
        if (offset + size > quint64(data.size()))
            return false;
    }
    return true;
}

} // namespace

namespace QtImageDecoder {

Result<QImage> decode(const QByteArray &data, const char *format)
{
    if (std::strcmp(format, "ico") == 0 && !iconEntriesInside(data))
        return endsEarly();
    BoundedData device(data);
    QImageReader reader(&device, format);
    QImage image = reader.read();
    if (device.overran() || (image.isNull() && device.readPastItsEnd()))
        return endsEarly();
    if (image.isNull())
        return Failure{reader.errorString()};
    return image;
}

} // namespace QtImageDecoder
