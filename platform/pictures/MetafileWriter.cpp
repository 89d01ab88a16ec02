// Writes the small metafiles the picture tests read, with libUEMF's own writer.
#include <cstdlib>
#include <cstring>
#include <vector>

#include <uemf.h>
#include <uwmf.h>

#define CHECK(a, b) \
    if ((a) != (b)) \
        return false

namespace {

// An EMF of 60 x 40 pixels at 96 dpi being written.
class Emf
{
public:
    bool start(const char *path)
    {
        if (emf_start(path, 4096, 4096, &m_track) != 0 || emf_htable_create(32, 32, &m_handles) != 0)
            return false;
        const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(1588, 1058)); // 60 x 40 px in 0.01 mm
        append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, U_SIZEL{960, 960}, U_SIZEL{254, 254}, 0));
        return true;
    }
    void append(char *record) { emf_append(reinterpret_cast<U_ENHMETARECORD *>(record), m_track, U_REC_FREE); }
    EMFHANDLES *handles() const { return m_handles; }
    bool finish()
    {
        append(U_EMREOF_set(0, nullptr, m_track));
        const bool written = emf_finish(m_track, m_handles) == 0;
        emf_free(&m_track);
        emf_htable_free(&m_handles);
        return written;
    }

    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(59, 39));

private:
    EMFTRACK *m_track = nullptr;
    EMFHANDLES *m_handles = nullptr;
};

// A red rectangle on the left, a green ellipse on the right, a blue triangle
// and a line of text.
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

// A 2 x 2 bitmap (red, blue above yellow, cyan) stretched over the left half
// by STRETCHDIBITS, and a green bitmap copied unscaled onto the right half by
// BITBLT.
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

// A placeable WMF written by libUEMF: a red rectangle on the left half.
bool writeWmf(const char *path)
{
    WMFTRACK *track = nullptr;
    WMFHANDLES *handles = nullptr;
    CHECK(wmf_start(path, 4096, 4096, &track), 0);
    CHECK(wmf_htable_create(32, 32, &handles), 0);
    U_PAIRF *size = U_PAIRF_set(60 / 96.0f, 40 / 96.0f);
    wmf_header_append(reinterpret_cast<U_METARECORD *>(U_WMRHEADER_set(size, 96)), track, U_REC_FREE);
    free(size);
    wmf_append(reinterpret_cast<U_METARECORD *>(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC)), track, U_REC_FREE);
    wmf_append(reinterpret_cast<U_METARECORD *>(U_WMRSETWINDOWORG_set(point16_set(0, 0))), track, U_REC_FREE);
    wmf_append(reinterpret_cast<U_METARECORD *>(U_WMRSETWINDOWEXT_set(point16_set(60, 40))), track, U_REC_FREE);
    uint32_t brush = 0;
    uint32_t pen = 0;
    wmf_append(reinterpret_cast<U_METARECORD *>(
                   wcreatebrushindirect_set(&brush, handles, U_WLOGBRUSH_set(U_BS_SOLID, U_RGB(255, 0, 0), 0))),
               track, U_REC_FREE);
    wmf_append(reinterpret_cast<U_METARECORD *>(wselectobject_set(brush, handles)), track, U_REC_FREE);
    wmf_append(reinterpret_cast<U_METARECORD *>(
                   wcreatepenindirect_set(&pen, handles, U_PEN_set(U_PS_NULL, 0, U_RGB(0, 0, 0)))),
               track, U_REC_FREE);
    wmf_append(reinterpret_cast<U_METARECORD *>(wselectobject_set(pen, handles)), track, U_REC_FREE);
    wmf_append(reinterpret_cast<U_METARECORD *>(
                   U_WMRRECTANGLE_set(U_RECT16_set(point16_set(0, 0), point16_set(30, 40)))),
               track, U_REC_FREE);
    wmf_append(reinterpret_cast<U_METARECORD *>(U_WMREOF_set()), track, U_REC_FREE);
    CHECK(wmf_finish(track), 0);
    wmf_free(&track);
    wmf_htable_free(&handles);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const char *kind = argv[1];
    const bool written = std::strcmp(kind, "emf") == 0            ? writeEmf(argv[2])
                         : std::strcmp(kind, "emf-bitmaps") == 0 ? writeBitmapEmf(argv[2])
                                                                  : writeWmf(argv[2]);
    return written ? 0 : 1;
}
