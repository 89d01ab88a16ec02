#include "platform/table/MemoFile.h"

#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr quint32 kDBase3BlockSize = 512;
constexpr char kEnd = 0x1A;
constexpr int kDBase4BlockHeader = 8;
constexpr int kHeaderLength = 24;
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

TableResult MemoFile::damaged(const QString &what) const
{
    return TableResult::failure(QStringLiteral("The memo file %1 is damaged: %2.")
                                    .arg(m_fileName, what));
}

TableResult MemoFile::open(const QString &path, DbfHeader::MemoLayout layout)
{
    m_file = std::make_unique<QFile>(path);
    m_fileName = QFileInfo(path).fileName();
    m_layout = layout;
    if (!m_file->open(QIODevice::ReadOnly))
        return TableResult::failure(QStringLiteral("Cannot open %1: %2.").arg(path, m_file->errorString()));
    const qint64 size = m_file->size();
    if (size < kHeaderLength)
        return damaged(QStringLiteral("the file is shorter than a memo header"));
    if (const uchar *mapped = m_file->map(0, size)) {
        m_bytes = QByteArrayView(mapped, size);
    } else {
        m_copy = m_file->readAll();
        if (m_copy.size() != size)
            return TableResult::failure(QStringLiteral("Cannot read %1: %2.").arg(path, m_file->errorString()));
        m_bytes = m_copy;
    }
    m_blockSize = kDBase3BlockSize;
    if (layout == DbfHeader::MemoLayout::DBase4) {
        m_blockSize = qFromLittleEndian<quint16>(m_bytes.data() + 20);
        if (m_blockSize < kDBase4BlockHeader * 2)
            return damaged(QStringLiteral("the block size %1 is too small").arg(m_blockSize));
    }
    return {};
}

void MemoFile::release()
{
    m_bytes = {};
    m_copy.clear();
    m_file.reset();
}

TableResult MemoFile::text(quint32 block, QByteArrayView &text) const
{
    const auto at = [block](const QString &what) {
        return QStringLiteral("the memo at block %1 %2").arg(block).arg(what);
    };
    const qint64 start = blockOffset(block);
    if (block == 0 || start >= m_bytes.size())
        return damaged(at(QStringLiteral("lies past the end of the file")));
    const QByteArrayView rest = m_bytes.sliced(start);
    if (m_layout == DbfHeader::MemoLayout::DBase3) {
        const qsizetype end = rest.indexOf(kEnd);
        if (end < 0)
            return damaged(at(QStringLiteral("has no end marker")));
        text = rest.first(end);
        return {};
    }
    if (rest.size() < kDBase4BlockHeader || !rest.startsWith(kDBase4Signature))
        return damaged(at(QStringLiteral("does not start with a memo block header")));
    const quint32 length = qFromLittleEndian<quint32>(rest.data() + 4);
    if (length < quint32(kDBase4BlockHeader) || length > quint64(rest.size()))
        return damaged(at(QStringLiteral("claims %1 bytes, more than the file holds").arg(length)));
    text = rest.sliced(kDBase4BlockHeader, length - kDBase4BlockHeader);
    return {};
}

quint32 MemoFile::appendBlock(qint64 fileSize) const
{
    // The file's end, not its header, decides: a damaged header could send
    // the next memo far past it, and a lagging one onto blocks in use.
    const quint64 usedBlocks = (quint64(fileSize) + m_blockSize - 1) / m_blockSize;
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
