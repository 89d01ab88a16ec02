#include "platform/pictures/Picture.h"

#include "platform/pictures/EmfPlayer.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/WmfPlayer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <climits>

namespace {

using Decoded = std::variant<Picture, QString>;

Decoded decodeWithQt(const QByteArray &data, const char *format)
{
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, format);
    QImage image = reader.read();
    if (image.isNull())
        return reader.errorString();
    return Picture(std::move(image));
}

Decoded decodeJpeg(const QByteArray &data)
{
    auto decoded = JpegCodec::decode(data);
    if (auto *error = std::get_if<QString>(&decoded))
        return *error;
    return Picture(std::get<QImage>(std::move(decoded)));
}

} // namespace

Picture::Picture(QImage image) : m_image(std::move(image)), m_size(m_image->size()) {}

Picture::Picture(QPicture recording, QSize size) : m_recording(std::move(recording)), m_size(size) {}

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
    if (m_image) {
        painter.drawImage(target, *m_image);
        return;
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / m_size.width(), target.height() / m_size.height());
    painter.setClipRect(QRect(QPoint(0, 0), m_size), Qt::IntersectClip);
    painter.drawPicture(0, 0, *m_recording);
    painter.restore();
}

QImage Picture::toImage() const
{
    if (m_image || isNull())
        return m_image.value_or(QImage());
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

std::variant<Picture, QString> Picture::load(const QString &path)
{
    const QString extension = QFileInfo(path).suffix();
    const QString kind = extension.toLower();
    using Decoder = Decoded (*)(const QByteArray &);
    Decoder decoder = nullptr;
    if (kind == u"bmp")
        decoder = [](const QByteArray &data) { return decodeWithQt(data, "bmp"); };
    else if (kind == u"ico")
        decoder = [](const QByteArray &data) { return decodeWithQt(data, "ico"); };
    else if (kind == u"jpg" || kind == u"jpeg")
        decoder = decodeJpeg;
    else if (kind == u"emf")
        decoder = EmfPlayer::decode;
    else if (kind == u"wmf")
        decoder = WmfPlayer::decode;
    else
        return QStringLiteral("Unknown picture file extension (.%1)").arg(extension);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot open file %1").arg(path);
    return decoder(file.readAll());
}
