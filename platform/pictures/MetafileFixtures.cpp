#include "platform/pictures/MetafileFixtures.h"

#include <QtEndian>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace MetafileFixtures {

bool writeEmf(const char *path)
{
    Emf emf;
    if (!emf.start(path))
        return false;
    uint32_t pen = 0;
    uint32_t brush = 0;
    emf.append(createpen_set(&pen, emf.handles(), logpen_set(U_PS_NULL, point32_set(0, 0), U_RGB(0, 0, 0))));
    emf.append(selectobject_set(pen, emf.handles()));
    emf.append(createbrushindirect_set(&brush, emf.handles(), logbrush_set(U_BS_SOLID, U_RGB(255, 0, 0), 0)));
    emf.append(selectobject_set(brush, emf.handles()));
    emf.append(U_EMRRECTANGLE_set(rectl_set(point32_set(0, 0), point32_set(30, 40))));
    emf.append(createbrushindirect_set(&brush, emf.handles(), logbrush_set(U_BS_SOLID, U_RGB(0, 160, 0), 0)));
    emf.append(selectobject_set(brush, emf.handles()));
    emf.append(U_EMRELLIPSE_set(rectl_set(point32_set(30, 0), point32_set(60, 40))));
    emf.append(createbrushindirect_set(&brush, emf.handles(), logbrush_set(U_BS_SOLID, U_RGB(0, 0, 255), 0)));
    emf.append(selectobject_set(brush, emf.handles()));
    const U_POINT16 triangle[] = {point16_set(2, 2), point16_set(12, 2), point16_set(2, 12)};
    emf.append(U_EMRPOLYGON16_set(emf.bounds, 3, triangle));
    emf.append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    emf.append(U_EMRSETTEXTCOLOR_set(U_RGB(0, 0, 0)));
    uint16_t text[] = {'W', 'W'};
    uint32_t spacing[] = {10, 10};
    char *emrtext = emrtext_set(point32_set(32, 24), 2, 2, text, U_ETO_NO_RECT, U_RECTL{}, spacing);
    emf.append(U_EMREXTTEXTOUTW_set(emf.bounds, U_GM_COMPATIBLE, 1, 1, reinterpret_cast<PU_EMRTEXT>(emrtext)));
    free(emrtext);
    return emf.finish();
}

} // namespace MetafileFixtures

namespace {

// A 32-bit bottom-up DIB of `width` x `height` pixels (0x00RRGGBB), rows given top first.
struct Dib
{
    Dib(int32_t width, int32_t height, const std::vector<uint32_t> &topDown)
        : info(bitmapinfo_set(
              bitmapinfoheader_set(width, height, 1, 32, U_BI_RGB, uint32_t(width * height * 4), 0, 0, 0, 0),
              nullptr))
    {
        for (int32_t row = height - 1; row >= 0; --row)
            bits.insert(bits.end(), topDown.begin() + row * width, topDown.begin() + (row + 1) * width);
    }
    ~Dib() { free(info); }
    Dib(const Dib &) = delete;
    Dib &operator=(const Dib &) = delete;

    uint32_t size() const { return uint32_t(bits.size() * sizeof(uint32_t)); }
    char *data() { return reinterpret_cast<char *>(bits.data()); }

    PU_BITMAPINFO info;
    std::vector<uint32_t> bits;
};

U_RECT16 rect16(int16_t left, int16_t top, int16_t right, int16_t bottom)
{
    return U_RECT16_set(point16_set(left, top), point16_set(right, bottom));
}

} // namespace

namespace MetafileFixtures {

bool writeBitmapEmf(const char *path)
{
    Emf emf;
    if (!emf.start(path))
        return false;
    Dib quadrants(2, 2, {0xFF0000, 0x0000FF, 0xFFFF00, 0x00FFFF});
    emf.append(U_EMRSTRETCHDIBITS_set(emf.bounds, point32_set(0, 0), point32_set(30, 40), point32_set(0, 0),
                                      point32_set(2, 2), U_DIB_RGB_COLORS, U_SRCCOPY, quadrants.info,
                                      quadrants.size(), quadrants.data()));
    Dib green(30, 40, std::vector<uint32_t>(30 * 40, 0x00A000));
    emf.append(U_EMRBITBLT_set(emf.bounds, point32_set(30, 0), point32_set(30, 40), point32_set(0, 0),
                               U_XFORM{1, 0, 0, 1, 0, 0}, U_RGB(255, 255, 255), U_DIB_RGB_COLORS, U_SRCCOPY,
                               green.info, green.size(), green.data()));
    return emf.finish();
}

bool writeWmf(const char *path)
{
    Wmf wmf;
    if (!wmf.start(path, U_PAIRF_set(60 / 96.0f, 40 / 96.0f), 96))
        return false;
    wmf.window(0, 0, 60, 40);
    wmf.solid(U_RGB(255, 0, 0));
    wmf.append(U_WMRRECTANGLE_set(rect16(0, 0, 30, 40)));
    wmf.solid(U_RGB(0, 160, 0));
    wmf.append(U_WMRELLIPSE_set(rect16(30, 0, 60, 40)));
    return wmf.finish();
}

bool writeShapesWmf(const char *path, unsigned int unitsPerInch, bool placeable)
{
    Wmf wmf;
    if (!wmf.start(path, placeable ? U_PAIRF_set(200 / 96.0f, 120 / 96.0f) : nullptr, unitsPerInch))
        return false;
    // Without a placeable header the window alone gives the size; its origin
    // moves the drawing, not the picture.
    const auto unit = [unitsPerInch, placeable](int pixels) {
        return int16_t(placeable ? pixels * int(unitsPerInch) / 96 : pixels + 1000);
    };
    const auto length = [unitsPerInch, placeable](int pixels) {
        return int16_t(placeable ? pixels * int(unitsPerInch) / 96 : pixels);
    };
    wmf.window(unit(0), unit(0), length(200), length(120));
    wmf.solid(U_RGB(0, 0, 255));
    wmf.append(U_WMRRECTANGLE_set(rect16(unit(10), unit(10), unit(90), unit(60))));
    wmf.solid(U_RGB(0, 160, 0));
    wmf.append(U_WMRELLIPSE_set(rect16(unit(110), unit(10), unit(190), unit(110))));
    return wmf.finish();
}

bool writeBitmapWmf(const char *path)
{
    Wmf wmf;
    if (!wmf.start(path, U_PAIRF_set(60 / 96.0f, 40 / 96.0f), 96))
        return false;
    wmf.window(0, 0, 60, 40);
    Dib quadrants(2, 2, {0xFF0000, 0x0000FF, 0xFFFF00, 0x00FFFF});
    wmf.append(U_WMRSTRETCHDIB_set(point16_set(0, 0), point16_set(30, 40), point16_set(0, 0), point16_set(2, 2),
                                   U_DIB_RGB_COLORS, U_SRCCOPY, quadrants.info, quadrants.size(), quadrants.data()));
    Dib green(30, 40, std::vector<uint32_t>(30 * 40, 0x00A000));
    wmf.append(U_WMRDIBBITBLT_set(point16_set(30, 0), point16_set(30, 40), point16_set(0, 0), U_SRCCOPY, green.info,
                                  green.size(), green.data()));
    return wmf.finish();
}

bool writeTextAndCurvesWmf(const char *path)
{
    Wmf wmf;
    if (!wmf.start(path, U_PAIRF_set(120 / 96.0f, 80 / 96.0f), 96))
        return false;
    wmf.window(0, 0, 120, 80);
    wmf.append(U_WMRSAVEDC_set());
    uint32_t font = 0;
    char face[] = "Liberation Sans";
    U_FONT *logFont = U_FONT_set(-20, 0, 0, 0, 700, 0, 0, 0, U_ANSI_CHARSET, 0, 0, 0, 0, face);
    wmf.append(wcreatefontindirect_set(&font, wmf.handles(), logFont));
    free(logFont);
    wmf.append(wselectobject_set(font, wmf.handles()));
    wmf.append(U_WMRSETBKMODE_set(U_TRANSPARENT));
    wmf.append(U_WMRSETTEXTCOLOR_set(U_RGB(0, 0, 0)));
    char text[] = "Ab";
    wmf.append(U_WMRTEXTOUT_set(point16_set(4, 4), text));
    wmf.append(U_WMREXTTEXTOUT_set(point16_set(4, 24), 2, 0, text, nullptr, rect16(0, 0, 0, 0)));
    // A quarter of a circle, from three o'clock counter-clockwise to twelve.
    wmf.solid(U_RGB(0, 0, 255));
    wmf.append(U_WMRPIE_set(point16_set(120, 30), point16_set(90, 0), rect16(60, 0, 120, 60)));
    // A square with a square hole.
    wmf.append(U_WMRSETPOLYFILLMODE_set(U_ALTERNATE));
    const uint16_t counts[] = {4, 4};
    const U_POINT16 squares[] = {point16_set(0, 40),  point16_set(40, 40), point16_set(40, 80), point16_set(0, 80),
                                 point16_set(10, 50), point16_set(30, 50), point16_set(30, 70), point16_set(10, 70)};
    wmf.append(U_WMRPOLYPOLYGON_set(2, counts, squares));
    wmf.append(U_WMRCHORD_set(point16_set(60, 60), point16_set(40, 60), rect16(40, 50, 60, 70)));
    wmf.append(U_WMRARC_set(point16_set(60, 60), point16_set(40, 60), rect16(40, 60, 60, 80)));
    wmf.append(U_WMRROUNDRECT_set(6, 6, rect16(90, 62, 118, 78)));
    const U_POINT16 zigzag[] = {point16_set(62, 62), point16_set(70, 78), point16_set(78, 62)};
    wmf.append(U_WMRPOLYLINE_set(3, zigzag));
    wmf.append(U_WMRMOVETO_set(point16_set(80, 62)));
    wmf.append(U_WMRLINETO_set(point16_set(88, 78)));
    // A red pattern brush fills a block.
    uint32_t pattern = 0;
    Dib red(8, 8, std::vector<uint32_t>(64, 0xFF0000));
    wmf.append(wcreatedibpatternbrush_srcdib_set(&pattern, wmf.handles(), U_DIB_RGB_COLORS, red.info, red.size(),
                                                 red.data()));
    wmf.append(wselectobject_set(pattern, wmf.handles()));
    wmf.append(U_WMRPATBLT_set(point16_set(50, 40), point16_set(10, 10), U_PATCOPY));
    wmf.append(wdeleteobject_set(&pattern, wmf.handles()));
    wmf.append(U_WMRRESTOREDC_set(-1));
    return wmf.finish();
}

} // namespace MetafileFixtures

namespace MetafileFixtures {

bool writeEmfRecords(const char *path, const std::function<void(Emf &)> &draw)
{
    Emf emf;
    if (!emf.start(path))
        return false;
    draw(emf);
    return emf.finish();
}

bool writeWmfRecords(const char *path, const std::function<void(Wmf &)> &draw)
{
    Wmf wmf;
    if (!wmf.start(path, U_PAIRF_set(60 / 96.0f, 40 / 96.0f), 96))
        return false;
    wmf.window(0, 0, 60, 40);
    draw(wmf);
    return wmf.finish();
}

} // namespace MetafileFixtures

namespace {

template <typename T> void put(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// 16-bit points zigzagging over the picture.
QByteArray zigzag(int points, int pixels)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(points) * 4);
    for (int i = 0; i < points; ++i) {
        put<int16_t>(bytes, int16_t(i % pixels));
        put<int16_t>(bytes, int16_t(i % 2 ? pixels - 1 : 0));
    }
    return bytes;
}

} // namespace

namespace MetafileFixtures {

QByteArray emfOf(const QByteArray &records, int pixels)
{
    U_EMRHEADER header{};
    header.emr.iType = U_EMR_HEADER;
    header.emr.nSize = sizeof header;
    header.rclBounds = rectl_set(point32_set(0, 0), point32_set(pixels - 1, pixels - 1));
    const int32_t frame = int32_t(int64_t(pixels) * 2540 / 96);
    header.rclFrame = rectl_set(point32_set(0, 0), point32_set(frame, frame));
    header.dSignature = U_ENHMETA_SIGNATURE;
    header.nVersion = U_ENHMETA_VERSION;
    header.nHandles = 1;
    header.szlDevice = U_SIZEL{960, 960};
    header.szlMillimeters = U_SIZEL{254, 254};
    const QByteArray end = emfRecord(U_EMR_EOF, {0, 0, 20});
    header.nBytes = uint32_t(sizeof header + size_t(records.size()) + size_t(end.size()));
    QByteArray bytes(reinterpret_cast<const char *>(&header), sizeof header);
    return bytes + records + end;
}

QByteArray wmfOf(const QByteArray &records, int pixels)
{
    QByteArray bytes;
    put<uint32_t>(bytes, 0x9AC6CDD7);
    put<uint16_t>(bytes, 0);
    for (int16_t edge : {int16_t(0), int16_t(0), int16_t(pixels), int16_t(pixels)})
        put<int16_t>(bytes, edge);
    put<uint16_t>(bytes, 96);
    put<uint32_t>(bytes, 0);
    uint16_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= qFromLittleEndian<uint16_t>(bytes.constData() + 2 * i);
    put<uint16_t>(bytes, sum);
    const QByteArray end = wmfRecord(0, {});
    put<uint16_t>(bytes, 1);
    put<uint16_t>(bytes, 9);
    put<uint16_t>(bytes, 0x0300);
    put<uint32_t>(bytes, uint32_t((18 + records.size() + end.size()) / 2));
    put<uint16_t>(bytes, 0);
    put<uint32_t>(bytes, 3);
    put<uint16_t>(bytes, 0);
    return bytes + records + end;
}

QByteArray emfRecord(uint32_t type, std::initializer_list<uint32_t> words)
{
    QByteArray bytes;
    put<uint32_t>(bytes, type);
    put<uint32_t>(bytes, uint32_t(8 + 4 * words.size()));
    for (uint32_t word : words)
        put<uint32_t>(bytes, word);
    return bytes;
}

QByteArray wmfRecord(uint16_t function, std::initializer_list<uint16_t> words)
{
    QByteArray bytes;
    put<uint32_t>(bytes, uint32_t(3 + words.size()));
    put<uint16_t>(bytes, function);
    for (uint16_t word : words)
        put<uint16_t>(bytes, word);
    return bytes;
}

QByteArray nestedSaves(bool emf, int count)
{
    const QByteArray save = emf ? emfRecord(U_EMR_SAVEDC, {}) : wmfRecord(U_WMR_SAVEDC, {});
    return emf ? emfOf(save.repeated(count), 60) : wmfOf(save.repeated(count), 60);
}

QByteArray objectFlood(bool emf, int count)
{
    QByteArray records;
    for (int i = 0; i < count; ++i)
        records += emf ? emfRecord(U_EMR_CREATEBRUSHINDIRECT, {uint32_t(i + 1), U_BS_SOLID, 0xFF, 0})
                       : wmfRecord(U_WMR_CREATEPALETTE, {0x0300, 0});
    return emf ? emfOf(records, 60) : wmfOf(records, 60);
}

QByteArray longPolylines(int records, int points, int penWidth, int pixels, uint32_t penStyle, uint32_t type)
{
    const QByteArray pen = emfRecord(U_EMR_CREATEPEN, {1, penStyle, uint32_t(penWidth), 0, 0xFF0000})
                           + emfRecord(U_EMR_SELECTOBJECT, {1});
    QByteArray polyline = emfRecord(type, {0, 0, uint32_t(pixels), uint32_t(pixels), uint32_t(points)});
    polyline += zigzag(points, pixels);
    qToLittleEndian<uint32_t>(uint32_t(polyline.size()), polyline.data() + 4);
    return emfOf(pen + polyline.repeated(records), pixels);
}

QByteArray distinctLongPolylines(int records, int points, int penWidth, int pixels, uint32_t penStyle, uint32_t type)
{
    const uint32_t units = uint32_t(pixels) * 100;
    QByteArray records16 = emfRecord(U_EMR_SETMAPMODE, {U_MM_ANISOTROPIC})
                           + emfRecord(U_EMR_SETWINDOWEXTEX, {units, units})
                           + emfRecord(U_EMR_SETVIEWPORTEXTEX, {uint32_t(pixels), uint32_t(pixels)})
                           + emfRecord(U_EMR_CREATEPEN, {1, penStyle, uint32_t(penWidth) * 100, 0, 0xFF0000})
                           + emfRecord(U_EMR_SELECTOBJECT, {1});
    uint32_t seed = 1;
    for (int r = 0; r < records; ++r) {
        QByteArray polyline = emfRecord(type, {0, 0, units, units, uint32_t(points)});
        for (int i = 0; i < points; ++i) {
            seed = seed * 1103515245 + 12345;
            put<int16_t>(polyline, int16_t((seed >> 8) % units));
            put<int16_t>(polyline, int16_t(i % 2 ? units - 1 : 0));
        }
        qToLittleEndian<uint32_t>(uint32_t(polyline.size()), polyline.data() + 4);
        records16 += polyline;
    }
    return emfOf(records16, pixels);
}

QByteArray savedPathCopies(int points, int saves)
{
    QByteArray records = emfRecord(U_EMR_BEGINPATH, {}) + emfRecord(U_EMR_MOVETOEX, {0, 0});
    const QByteArray line = zigzag(points, 60);
    QByteArray polyline = emfRecord(U_EMR_POLYLINETO16, {0, 0, 60, 60, uint32_t(points)});
    qToLittleEndian<uint32_t>(uint32_t(polyline.size() + line.size()), polyline.data() + 4);
    records += polyline + line;
    for (int i = 0; i < saves; ++i)
        records += emfRecord(U_EMR_SAVEDC, {}) + emfRecord(U_EMR_LINETO, {uint32_t(i % 60), 30});
    return emfOf(records, 60);
}

} // namespace MetafileFixtures
