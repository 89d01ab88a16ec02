#pragma once

#include <QByteArray>
#include <QImage>
#include "platform/result/Result.h"

// Bitmaps and icons through Qt's readers, which on their own fill in what a
// file cut short lacks: a read past the data's end, a seek outside it or an
// icon entry lying outside the file fails the picture instead.
namespace QtImageDecoder {

// `format` is "bmp" or "ico". The image, or the reader's message.
Result<QImage> decode(const QByteArray &data, const char *format);

} // namespace QtImageDecoder
