#include "platform/pictures/JpegCodec.h"

#include "platform/messages/PlatformMessages.h"
#include "platform/pictures/Picture.h"

#include <csetjmp>
#include <cstdlib>
#include <cstdio>
#include <optional>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// No encoder writes more scans than this; every scan is another pass over
// the whole picture, so a file that repeats scans would take minutes.
constexpr int MaxScans = 300;
// libjpeg's own working memory (a progressive picture keeps all its
// coefficients: about 2 bytes a pixel and channel at the file's full size).
constexpr long MaxWorkingMemory = 2L * 1024 * 1024 * 1024;

struct ErrorManager
{
    jpeg_error_mgr base;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager &managerOf(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager *>(info->err);
}

// A message of our own for the failure. The jump back from libjpeg is made
// only after the statement that calls this, so that no string outlives it.
void keepMessage(ErrorManager &manager, const QString &message)
{
    std::snprintf(manager.message, sizeof manager.message, "%s", message.toUtf8().constData());
}

[[noreturn]] void outOfMemory(j_common_ptr info)
{
    ErrorManager &manager = managerOf(info);
    const auto *decompress = reinterpret_cast<j_decompress_ptr>(info);
    keepMessage(manager, PlatformMessages::notEnoughMemoryForPicture(decompress->image_width, decompress->image_height));
    std::longjmp(manager.jump, 1);
}

// libjpeg's default handler ends the process; come back with its message.
[[noreturn]] void onError(j_common_ptr info)
{
    const int code = info->err->msg_code;
    // Its working memory is capped; beyond the cap it would want a
    // backing store, which it has not.
    if (info->is_decompressor && (code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE))
        outOfMemory(info);
    ErrorManager &manager = managerOf(info);
    (*info->err->format_message)(info, manager.message);
    std::longjmp(manager.jump, 1);
}

// Warnings pass, except that the data ends early (libjpeg would fill the
// rest of the picture with grey) and that scans contradict one another.
void onMessage(j_common_ptr info, int level)
{
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_BOGUS_PROGRESSION))
        onError(info);
}

void onProgress(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= MaxScans)
        return;
    ErrorManager &manager = managerOf(info);
    keepMessage(manager, PlatformMessages::jpegTooManyScans(MaxScans));
    std::longjmp(manager.jump, 1);
}

// Photos larger than any screen or page shows are decoded at 1/2, 1/4 or
// 1/8 of their size (libjpeg does that cheaply), so that the pixels held
// stay within what a picture may take; the natural size stays the file's.
std::optional<unsigned> reductionFor(JDIMENSION width, JDIMENSION height)
{
    for (unsigned denominator = 1; denominator <= 8; denominator *= 2)
        if (Picture::fitsInMemory((qint64(width) + denominator - 1) / denominator,
                                  (qint64(height) + denominator - 1) / denominator))
            return denominator;
    return std::nullopt;
}

// Four-channel JPEGs: Adobe's writers store the channels inverted.
void cmykToRgb(const uchar *cmyk, uchar *rgb, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int channel = 0; channel < 3; ++channel)
            rgb[channel] = uchar((inverted ? cmyk[channel] : 255 - cmyk[channel]) * k / 255);
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
                QImage &image, QByteArray &cmykLine)
{
    if (setjmp(manager.jump))
        return false;
    jpeg_create_decompress(&info);
    manager.progress.progress_monitor = onProgress;
    info.progress = &manager.progress;
    info.mem->max_memory_to_use = MaxWorkingMemory;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    const std::optional<unsigned> reduction = reductionFor(info.image_width, info.image_height);
    if (!reduction)
        outOfMemory(reinterpret_cast<j_common_ptr>(&info));
    info.scale_num = 1;
    info.scale_denom = *reduction;
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull())
        outOfMemory(reinterpret_cast<j_common_ptr>(&info));
    if (cmyk)
        cmykLine.resize(qsizetype(info.output_width) * 4);
    while (info.output_scanline < info.output_height) {
        uchar *line = image.scanLine(static_cast<int>(info.output_scanline));
        JSAMPROW row = cmyk ? reinterpret_cast<JSAMPROW>(cmykLine.data()) : line;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            cmykToRgb(row, line, info.output_width, info.saw_Adobe_marker);
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

Result<Picture> decode(const QByteArray &data)
{
    jpeg_decompress_struct info{};
    ErrorManager manager{};
    install(manager, reinterpret_cast<jpeg_common_struct *>(&info));
    QImage image;
    QByteArray cmykLine;
    const bool decoded = decodeInto(info, manager, data, image, cmykLine);
    const QSize size(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return Failure{QString::fromLocal8Bit(manager.message)};
    return Picture(std::move(image), size);
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
