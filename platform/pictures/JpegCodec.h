#pragma once

#include <QByteArray>
#include <QImage>
#include "platform/result/Result.h"

// JPEG through libjpeg, called directly.
namespace JpegCodec {

// The decoded picture, or libjpeg's own message.
Result<QImage> decode(const QByteArray &data);
// A baseline JPEG of the image (used to make pictures, e.g. in tests).
QByteArray encode(const QImage &image, int quality = 90);

} // namespace JpegCodec
