#include "platform/pictures/WmfPlayer.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <memory>

namespace {

QString message(wmf_error_t error)
{
    switch (error) {
    case wmf_E_InsMem: return QStringLiteral("Out of memory while reading the metafile");
    case wmf_E_EOF: return QStringLiteral("The metafile ends unexpectedly");
    default: return QStringLiteral("The metafile is not valid");
    }
}

struct ApiDeleter
{
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};
using Api = std::unique_ptr<wmfAPI, ApiDeleter>;

// gd keeps true colour as 0xAARRGGBB with a 7-bit alpha where 0 is opaque.
QImage toImage(const int *pixels, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned pixel = static_cast<unsigned>(pixels[y * width + x]);
            const int alpha = 255 - ((pixel >> 24) & 0x7F) * 255 / 127;
            line[x] = qRgba(int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF), alpha);
        }
    }
    return image;
}

} // namespace

namespace WmfPlayer {

std::variant<Picture, QString> decode(const QByteArray &data)
{
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI *created = nullptr;
    if (const wmf_error_t error = wmf_api_create(&created, flags, &options); error != wmf_E_None)
        return message(error);
    const Api api(created);

    // libwmf reads but never writes through this pointer.
    QByteArray bytes = data;
    if (const wmf_error_t error = wmf_mem_open(api.get(), reinterpret_cast<unsigned char *>(bytes.data()),
                                               static_cast<long>(bytes.size()));
        error != wmf_E_None)
        return message(error);
    wmfD_Rect bounds{};
    if (const wmf_error_t error = wmf_scan(api.get(), 0, &bounds); error != wmf_E_None)
        return message(error);
    unsigned int width = 0;
    unsigned int height = 0;
    if (wmf_display_size(api.get(), &width, &height, 96, 96) != wmf_E_None || width == 0 || height == 0
        || !Picture::fitsInMemory(width, height))
        return message(wmf_E_BadFormat);

    wmf_gd_t *device = WMF_GD_GetData(api.get());
    device->type = wmf_gd_image;
    device->width = width;
    device->height = height;
    device->bbox = bounds;
    if (const wmf_error_t error = wmf_play(api.get(), 0, &bounds); error != wmf_E_None || !device->gd_image)
        return message(error == wmf_E_None ? wmf_E_DeviceError : error);
    QImage image = toImage(wmf_gd_image_pixels(device->gd_image), int(width), int(height));
    wmf_mem_close(api.get());
    return Picture(std::move(image));
}

} // namespace WmfPlayer
