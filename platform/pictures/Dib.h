#pragma once

#include <QByteArray>
#include <QImage>

// Device-independent bitmaps as metafiles embed them: a BITMAPINFO and the
// pixel bits, without the file header of a .bmp file.
namespace Dib {
// A null image when the bitmap is not valid.
QImage toImage(const QByteArray &info, const QByteArray &bits);
}
