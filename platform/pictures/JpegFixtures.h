#pragma once

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

// Small JPEGs written by libjpeg in memory, for tests.
namespace JpegFixtures {

struct Layout
{
    int width;
    int height;
    int components;
    J_COLOR_SPACE colorSpace;
};

// `setUp` changes what libjpeg's defaults leave (quality, scans); `fill`
// writes the samples of row `y`, `components` to a pixel.
inline QByteArray compress(const Layout &layout, const std::function<void(jpeg_compress_struct &)> &setUp,
                           const std::function<void(int y, JSAMPLE *row)> &fill)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(layout.width);
    info.image_height = JDIMENSION(layout.height);
    info.input_components = layout.components;
    info.in_color_space = layout.colorSpace;
    jpeg_set_defaults(&info);
    setUp(info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> line(std::size_t(layout.width) * std::size_t(layout.components));
    while (info.next_scanline < info.image_height) {
        fill(int(info.next_scanline), line.data());
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray jpeg(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return jpeg;
}

} // namespace JpegFixtures
