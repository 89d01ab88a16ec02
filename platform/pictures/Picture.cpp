#include "platform/pictures/Picture.h"

#include "platform/files/FileSystem.h"
#include "platform/messages/PlatformMessages.h"
#include "platform/pictures/EmfPlayer.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/QtImageDecoder.h"
#include "platform/pictures/TrialPaintDevice.h"
#include "platform/pictures/WmfPlayer.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <climits>

namespace {

// Only the part of a bitmap that can show is handed to the painter: printing
// draws a photo at 4.45 dots a pixel, far past the page, and the printer
// would be sent all of it.
void drawVisiblePart(QPainter &painter, const QRectF &target, const QImage &image)
{
    QRectF visible = target;
    bool invertible = false;
    const QTransform toLogical = painter.combinedTransform().inverted(&invertible);
    if (invertible && painter.device())
        visible &= toLogical.mapRect(QRectF(0, 0, painter.device()->width(), painter.device()->height()));
    if (painter.hasClipping())
        visible &= painter.clipBoundingRect();
    if (target.width() <= 0 || target.height() <= 0 || visible.isEmpty())
        return;
    const qreal scaleX = image.width() / target.width();
    const qreal scaleY = image.height() / target.height();
    // Whole pixels and one more around, so that smoothing at the edge of
    // what shows stays as it was.
    const QRect source = QRectF((visible.left() - target.left()) * scaleX, (visible.top() - target.top()) * scaleY,
                                visible.width() * scaleX, visible.height() * scaleY)
                             .toAlignedRect()
                             .adjusted(-1, -1, 1, 1)
                         & image.rect();
    if (source == image.rect()) {
        painter.drawImage(target, image);
        return;
    }
    const QRectF part(target.left() + source.left() / scaleX, target.top() + source.top() / scaleY,
                      source.width() / scaleX, source.height() / scaleY);
    painter.drawImage(part, image.copy(source));
}

Result<Picture> fromImage(Result<QImage> decoded)
{
    if (!decoded)
        return Failure{decoded.error()};
    return Picture(*std::move(decoded));
}

} // namespace

Picture::Picture(QImage image) : m_image(std::move(image)), m_size(m_image.size()) {}

Picture::Picture(QImage image, QSize naturalSize) : m_image(std::move(image)), m_size(naturalSize) {}

Picture::Picture(QByteArray metafile, MetafilePlayer player, QSize size)
    : m_metafile(std::move(metafile)), m_player(player), m_size(size)
{
}

std::optional<Picture> Picture::fromMetafile(QByteArray metafile, MetafilePlayer player, QSize size)
{
    TrialPaintDevice trial;
    QPainter painter(&trial);
    if (!player(metafile, painter))
        return std::nullopt;
    return Picture(std::move(metafile), player, size);
}

bool Picture::isNull() const
{
    return m_size.isEmpty();
}

QSize Picture::size() const
{
    return m_size;
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (isNull())
        return;
    if (!m_player) {
        const bool reduced = m_image.size() != m_size;
        const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
        if (reduced)
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        drawVisiblePart(painter, target, m_image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        return;
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / m_size.width(), target.height() / m_size.height());
    painter.setClipRect(QRect(QPoint(0, 0), m_size), Qt::IntersectClip);
    m_player(m_metafile, painter);
    painter.restore();
}

QImage Picture::toImage() const
{
    if (!m_player || isNull())
        return m_image;
    QImage image(m_size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), m_size));
    return image;
}

bool Picture::fitsInMemory(qint64 width, qint64 height)
{
    const qint64 limitMb = QImageReader::allocationLimit();
    return width >= 0 && height >= 0 && width <= INT_MAX && height <= INT_MAX
           && (limitMb <= 0 || width * height * 4 <= limitMb * 1024 * 1024);
}

std::optional<Picture::Format> Picture::formatOf(const QString &extension)
{
    const QString kind = extension.toLower();
    if (kind == u"bmp")
        return Format::Bitmap;
    if (kind == u"ico")
        return Format::Icon;
    if (kind == u"jpg" || kind == u"jpeg")
        return Format::Jpeg;
    if (kind == u"wmf")
        return Format::WindowsMetafile;
    if (kind == u"emf")
        return Format::EnhancedMetafile;
    return std::nullopt;
}

Result<Picture> Picture::decode(const QByteArray &data, Format format)
{
    switch (format) {
    case Format::Bitmap: return fromImage(QtImageDecoder::decode(data, "bmp"));
    case Format::Icon: return fromImage(QtImageDecoder::decode(data, "ico"));
    case Format::Jpeg: return JpegCodec::decode(data);
    case Format::WindowsMetafile: return WmfPlayer::decode(data);
    case Format::EnhancedMetafile: return EmfPlayer::decode(data);
    }
    return Failure{};
}

Result<Picture> Picture::load(const QString &path)
{
    const QString extension = QFileInfo(path).suffix();
    const std::optional<Format> format = formatOf(extension);
    if (!format)
        return Failure{PlatformMessages::ClassLibrary::unknownPictureExtension(extension)};
    const Result<QByteArray> bytes = FileSystem::readWholeFile(path);
    if (!bytes)
        return Failure{PlatformMessages::ClassLibrary::cannotOpenFile(path)};
    return decode(*bytes, *format);
}
