#pragma once

#include <QByteArray>
#include <QImage>
#include "platform/result/Result.h"

// Device-independent bitmaps as metafiles embed them: a BITMAPINFO and the
// pixel bits, without the file header of a .bmp file. The image, or the
// reader's message when the bitmap is not valid or ends early.
namespace Dib {
Result<QImage> toImage(const QByteArray &info, const QByteArray &bits);
// A packed bitmap: the BITMAPINFO with its colour table, the bits right after.
Result<QImage> fromPacked(const QByteArray &dib);
} // namespace Dib
