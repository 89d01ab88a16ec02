#include "platform/pictures/JpegCodec.h"

#include "platform/messages/PlatformMessages.h"
#include "platform/pictures/Picture.h"

#include <csetjmp>
#include <cstdlib>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's default handler ends the process; come back with its message.
[[noreturn]] void onError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings pass, except that the data ends early: libjpeg would fill the
// rest of the picture with grey.
void onMessage(j_common_ptr info, int level)
{
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        onError(info);
}

bool outOfMemory(ErrorManager &manager, JDIMENSION width, JDIMENSION height)
{
    std::snprintf(manager.message, sizeof manager.message, "%s",
                  PlatformMessages::notEnoughMemoryForPicture(width, height).toUtf8().constData());
    return false;
}

// Four-channel JPEGs: Adobe's writers store the channels inverted.
void cmykToRgb(uchar *line, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, line += 4) {
        const int k = inverted ? line[3] : 255 - line[3];
        for (int channel = 0; channel < 3; ++channel)
            line[channel] = uchar((inverted ? line[channel] : 255 - line[channel]) * k / 255);
        line[3] = 255;
    }
}

void install(ErrorManager &manager, jpeg_common_struct *info)
{
    info->err = jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.emit_message = onMessage;
}

// setjmp lives in these two functions alone; everything they change lives in
// the caller's frame, so nothing is lost or left half-destroyed by the jump.
bool decodeInto(jpeg_decompress_struct &info, ErrorManager &manager, const QByteArray &data,
                QImage &image)
{
    if (setjmp(manager.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (!Picture::fitsInMemory(info.image_width, info.image_height))
        return outOfMemory(manager, info.image_width, info.image_height);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBX;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGBX8888);
    if (image.isNull())
        return outOfMemory(manager, info.output_width, info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            cmykToRgb(row, info.output_width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    return true;
}

struct Output
{
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

bool encodeInto(jpeg_compress_struct &info, ErrorManager &manager, const QImage &image,
                int quality, Output &output)
{
    if (setjmp(manager.jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &output.buffer, &output.size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto *row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

namespace JpegCodec {

Result<QImage> decode(const QByteArray &data)
{
    jpeg_decompress_struct info{};
    ErrorManager manager{};
    install(manager, reinterpret_cast<jpeg_common_struct *>(&info));
    QImage image;
    const bool decoded = decodeInto(info, manager, data, image);
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return Failure{QString::fromLocal8Bit(manager.message)};
    return image;
}

QByteArray encode(const QImage &source, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    ErrorManager manager{};
    install(manager, reinterpret_cast<jpeg_common_struct *>(&info));
    Output output;
    const bool encoded = encodeInto(info, manager, image, quality, output);
    jpeg_destroy_compress(&info);
    QByteArray result;
    if (encoded)
        result = QByteArray(reinterpret_cast<const char *>(output.buffer),
                            static_cast<qsizetype>(output.size));
    std::free(output.buffer);
    return result;
}

} // namespace JpegCodec
