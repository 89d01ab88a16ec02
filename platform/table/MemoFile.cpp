#include "platform/table/MemoFile.h"

#include "platform/messages/PlatformMessages.h"

#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr quint32 kDBase3BlockSize = 512;
constexpr char kEnd = 0x1A;
constexpr int kDBase4BlockHeader = 8;
constexpr int kHeaderLength = 24;
// Small enough to stay in the processor's cache and in the heap that is reused.
constexpr qint64 kWindow = 64 * 1024;
const QByteArrayView kDBase4Signature("\xFF\xFF\x08\x00", 4);

QString memoAt(quint32 block, const QString &what)
{
    return PlatformMessages::memoAtBlock(block, what);
}

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

Failure MemoFile::damaged(const QString &what) const
{
    return {PlatformMessages::memoFileDamaged(m_fileName, what)};
}

Result<> MemoFile::open(const QString &path, DbfHeader::MemoLayout layout)
{
    m_file = std::make_unique<QFile>(path);
    m_fileName = QFileInfo(path).fileName();
    m_layout = layout;
    m_window.clear();
    m_windowStart = 0;
    // The window is the only buffer: Qt's own would copy every byte twice.
    if (!m_file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Failure{PlatformMessages::cannotOpen(path, m_file->errorString())};
    m_size = m_file->size();
    if (m_size < kHeaderLength)
        return damaged(PlatformMessages::shorterThanMemoHeader());
    if (Result<> read = fill(0, kHeaderLength); !read)
        return read;
    m_blockSize = kDBase3BlockSize;
    if (layout == DbfHeader::MemoLayout::DBase4) {
        m_blockSize = qFromLittleEndian<quint16>(m_window.constData() + 20);
        if (m_blockSize < kDBase4BlockHeader * 2)
            return damaged(PlatformMessages::blockSizeTooSmall(int(m_blockSize)));
    }
    return {};
}

void MemoFile::release()
{
    m_window = QByteArray();
    m_windowStart = 0;
    m_size = 0;
    m_file.reset();
}

Result<> MemoFile::fill(qint64 start, qint64 length)
{
    const qint64 windowEnd = m_windowStart + m_window.size();
    if (start >= m_windowStart && start + length <= windowEnd)
        return {};
    // What the window already holds from `start` on moves to its front.
    const qint64 kept = start >= m_windowStart && start < windowEnd ? windowEnd - start : 0;
    if (kept > 0)
        std::memmove(m_window.data(), m_window.constData() + (start - m_windowStart), std::size_t(kept));
    const qint64 wanted = std::min(std::max(length, kWindow), m_size - start);
    m_window.resize(wanted);
    m_windowStart = start;
    if (wanted == kept)
        return {};
    if (!m_file->seek(start + kept))
        return Failure{PlatformMessages::cannotRead(m_file->fileName(), m_file->errorString())};
    const qint64 read = m_file->read(m_window.data() + kept, wanted - kept);
    if (read < 0)
        return Failure{PlatformMessages::cannotRead(m_file->fileName(), m_file->errorString())};
    if (read != wanted - kept) {
        m_window.clear();
        return damaged(PlatformMessages::becameShorterWhileRead());
    }
    return {};
}

Result<QByteArrayView> MemoFile::text(quint32 block)
{
    const auto at = [block](const QString &what) { return memoAt(block, what); };
    const qint64 start = blockOffset(block);
    if (block == 0 || start >= m_size)
        return damaged(at(PlatformMessages::liesPastEnd()));
    if (m_layout == DbfHeader::MemoLayout::DBase3)
        return dBase3Text(block);
    if (const Result<> read = fill(start, kDBase4BlockHeader); !read)
        return Failure{read.error()};
    const QByteArrayView rest = QByteArrayView(m_window).sliced(start - m_windowStart);
    if (rest.size() < kDBase4BlockHeader || !rest.startsWith(kDBase4Signature))
        return damaged(at(PlatformMessages::noMemoBlockHeader()));
    const quint32 length = qFromLittleEndian<quint32>(rest.data() + 4);
    if (length < quint32(kDBase4BlockHeader) || length > quint64(m_size - start))
        return damaged(at(PlatformMessages::claimsMoreThanFile(length)));
    if (const Result<> read = fill(start, length); !read)
        return Failure{read.error()};
    return QByteArrayView(m_window).sliced(start - m_windowStart + kDBase4BlockHeader, length - kDBase4BlockHeader);
}

// The text up to the first 0x1A, which may lie past the window.
Result<QByteArrayView> MemoFile::dBase3Text(quint32 block)
{
    const qint64 start = blockOffset(block);
    qint64 searched = 0;
    qint64 wanted = 1;
    for (;;) {
        if (const Result<> read = fill(start, wanted); !read)
            return Failure{read.error()};
        const QByteArrayView rest = QByteArrayView(m_window).sliced(start - m_windowStart);
        if (const qsizetype end = rest.sliced(searched).indexOf(kEnd); end >= 0)
            return rest.first(searched + end);
        if (start + rest.size() >= m_size)
            return damaged(memoAt(block, PlatformMessages::noEndMarker()));
        searched = rest.size();
        wanted = searched + kWindow;
    }
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
