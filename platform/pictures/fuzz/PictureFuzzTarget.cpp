// One fuzz input is a picture file behind one byte that picks its format (the
// byte modulo five: bmp, ico, jpeg, wmf, emf). The decoder must read it or
// refuse it with an error; a picture it reads must draw, scaled down and
// enlarged as printing does, without a crash or a read outside the data.

#include "platform/pictures/Picture.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstddef>
#include <cstdint>

namespace {

// Text needs the font database, which needs an application.
void startApplication()
{
    static int argc = 1;
    static char name[] = "picture-fuzzer";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    startApplication();
    if (size < 1)
        return 0;
    constexpr Picture::Format formats[] = {Picture::Format::Bitmap, Picture::Format::Icon, Picture::Format::Jpeg,
                                           Picture::Format::WindowsMetafile, Picture::Format::EnhancedMetafile};
    const auto format = formats[data[0] % std::size(formats)];
    const QByteArray file(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const Result<Picture> picture = Picture::decode(file, format);
    if (!picture)
        return 0;
    QImage canvas(48, 48, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    picture->draw(painter, QRectF(0, 0, 48, 48));
    // Printing draws a picture at 4.45 dots per pixel.
    picture->draw(painter, QRectF(QPointF(-3, -3), QSizeF(picture->size()) * 4.45));
    return 0;
}
