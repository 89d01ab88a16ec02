#include "platform/table/MemoFile.h"

#include <QtEndian>

namespace {

constexpr quint32 kDBase3BlockSize = 512;
constexpr char kEnd = 0x1A;
constexpr int kDBase4BlockHeader = 8;
const QByteArrayView kDBase4Signature("\xFF\xFF\x08\x00", 4);

} // namespace

QByteArray MemoFile::emptyFile()
{
    QByteArray file(kDBase3BlockSize, '\0');
    file.replace(0, 4, nextFreeBytes(1));
    file[16] = 0x03; // dBASE III memo file
    return file;
}

QByteArray MemoFile::nextFreeBytes(quint32 block)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(block, bytes.data());
    return bytes;
}

TableResult MemoFile::load(QByteArray file, DbfHeader::MemoLayout layout, const QString &fileName)
{
    m_file = std::move(file);
    m_fileName = fileName;
    m_layout = layout;
    const auto damaged = [&fileName](const QString &what) {
        return TableResult::failure(QStringLiteral("The memo file %1 is damaged: %2.").arg(fileName, what));
    };
    if (m_file.size() < 24)
        return damaged(QStringLiteral("the file is shorter than a memo header"));
    const auto *bytes = reinterpret_cast<const uchar *>(m_file.constData());
    m_blockSize = kDBase3BlockSize;
    if (layout == DbfHeader::MemoLayout::DBase4) {
        m_blockSize = qFromLittleEndian<quint16>(bytes + 20);
        if (m_blockSize < kDBase4BlockHeader * 2)
            return damaged(QStringLiteral("the block size %1 is too small").arg(m_blockSize));
    }
    return {};
}

TableResult MemoFile::text(quint32 block, QByteArrayView &text) const
{
    const auto damaged = [this, block](const QString &what) {
        return TableResult::failure(QStringLiteral("The memo file %1 is damaged: the memo at block %2 %3.")
                                        .arg(m_fileName)
                                        .arg(block)
                                        .arg(what));
    };
    const qint64 start = blockOffset(block);
    if (start >= m_file.size())
        return damaged(QStringLiteral("lies past the end of the file"));
    const QByteArrayView rest = QByteArrayView(m_file).sliced(start);
    if (m_layout == DbfHeader::MemoLayout::DBase3) {
        const qsizetype end = rest.indexOf(kEnd);
        if (end < 0)
            return damaged(QStringLiteral("has no end marker"));
        text = rest.first(end);
        return {};
    }
    if (rest.size() < kDBase4BlockHeader || !rest.startsWith(kDBase4Signature))
        return damaged(QStringLiteral("does not start with a memo block header"));
    const quint32 length = qFromLittleEndian<quint32>(rest.data() + 4);
    if (length < quint32(kDBase4BlockHeader) || length > quint64(rest.size()))
        return damaged(QStringLiteral("claims %1 bytes, more than the file holds").arg(length));
    text = rest.sliced(kDBase4BlockHeader, length - kDBase4BlockHeader);
    return {};
}

quint32 MemoFile::appendBlock() const
{
    // The file's end, not the header, decides: a damaged header could send the
    // next memo far past it, and a lagging one onto blocks in use.
    const quint64 usedBlocks = (quint64(m_file.size()) + m_blockSize - 1) / m_blockSize;
    return quint32(std::max<quint64>(usedBlocks, 1));
}

QByteArray MemoFile::encode(QByteArrayView text) const
{
    QByteArray bytes;
    if (m_layout == DbfHeader::MemoLayout::DBase4) {
        bytes.append(kDBase4Signature);
        bytes.append(QByteArray(4, '\0'));
        qToLittleEndian<quint32>(quint32(text.size() + kDBase4BlockHeader), bytes.data() + 4);
        bytes.append(text);
    } else {
        bytes.append(text);
        bytes.append(QByteArray(2, kEnd));
    }
    const qsizetype padding = (m_blockSize - bytes.size() % m_blockSize) % m_blockSize;
    bytes.append(QByteArray(padding, '\0'));
    return bytes;
}

void MemoFile::apply(qint64 offset, QByteArrayView bytes)
{
    if (m_file.size() < offset + bytes.size())
        m_file.resize(offset + bytes.size(), '\0');
    std::copy(bytes.begin(), bytes.end(), m_file.begin() + offset);
}
