#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <variant>

// JPEG through libjpeg, called directly.
namespace JpegCodec {

// The decoded picture, or libjpeg's own message.
std::variant<QImage, QString> decode(const QByteArray &data);
// A baseline JPEG of the image (used to make pictures, e.g. in tests).
QByteArray encode(const QImage &image, int quality = 90);

} // namespace JpegCodec
