#pragma once

#include "platform/pictures/Picture.h"
#include "platform/result/Result.h"

#include <QByteArray>
#include <QImage>

// JPEG through libjpeg, called directly.
namespace JpegCodec {

// The decoded picture with the file's own size, or libjpeg's own message.
Result<Picture> decode(const QByteArray &data);
// A baseline JPEG of the image (used to make pictures, e.g. in tests).
QByteArray encode(const QImage &image, int quality = 90);

} // namespace JpegCodec
