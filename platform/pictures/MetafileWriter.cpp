// Writes the small metafiles the picture tests read, with libUEMF's own writer.
#include <cstdlib>
#include <cstring>

#include <uemf.h>
#include <uwmf.h>

#define CHECK(a, b) \
    if ((a) != (b)) \
        return false

namespace {

// An EMF written by libUEMF: 60 x 40 pixels at 96 dpi, a red rectangle on the
// left, a green ellipse on the right, a blue triangle and a line of text.
bool writeEmf(const char *path)
{
    EMFTRACK *track = nullptr;
    EMFHANDLES *handles = nullptr;
    CHECK(emf_start(path, 4096, 4096, &track), 0);
    CHECK(emf_htable_create(32, 32, &handles), 0);
    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(59, 39));
    const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(1588, 1058)); // 60 x 40 px in 0.01 mm
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(
                   U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, U_SIZEL{960, 960}, U_SIZEL{254, 254}, 0)),
               track, U_REC_FREE);
    uint32_t pen = 0;
    uint32_t brush = 0;
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(
                   createpen_set(&pen, handles, logpen_set(U_PS_NULL, point32_set(0, 0), U_RGB(0, 0, 0)))),
               track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(selectobject_set(pen, handles)), track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(
                   createbrushindirect_set(&brush, handles, logbrush_set(U_BS_SOLID, U_RGB(255, 0, 0), 0))),
               track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(selectobject_set(brush, handles)), track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(
                   U_EMRRECTANGLE_set(rectl_set(point32_set(0, 0), point32_set(30, 40)))),
               track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(
                   createbrushindirect_set(&brush, handles, logbrush_set(U_BS_SOLID, U_RGB(0, 160, 0), 0))),
               track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(selectobject_set(brush, handles)), track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(
                   U_EMRELLIPSE_set(rectl_set(point32_set(30, 0), point32_set(60, 40)))),
               track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(
                   createbrushindirect_set(&brush, handles, logbrush_set(U_BS_SOLID, U_RGB(0, 0, 255), 0))),
               track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(selectobject_set(brush, handles)), track, U_REC_FREE);
    const U_POINT16 triangle[] = {point16_set(2, 2), point16_set(12, 2), point16_set(2, 12)};
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(U_EMRPOLYGON16_set(bounds, 3, triangle)), track,
               U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(U_EMRSETBKMODE_set(U_TRANSPARENT)), track, U_REC_FREE);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(U_EMRSETTEXTCOLOR_set(U_RGB(0, 0, 0))), track, U_REC_FREE);
    uint16_t text[] = {'W', 'W'};
    uint32_t spacing[] = {10, 10};
    char *emrtext = emrtext_set(point32_set(32, 24), 2, 2, text, U_ETO_NO_RECT, U_RECTL{}, spacing);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(
                   U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 1, 1, reinterpret_cast<PU_EMRTEXT>(emrtext))),
               track, U_REC_FREE);
    free(emrtext);
    emf_append(reinterpret_cast<U_ENHMETARECORD *>(U_EMREOF_set(0, nullptr, track)), track, U_REC_FREE);
    CHECK(emf_finish(track, handles), 0);
    emf_free(&track);
    emf_htable_free(&handles);
    return true;
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
    const bool written = std::strcmp(argv[1], "emf") == 0 ? writeEmf(argv[2]) : writeWmf(argv[2]);
    return written ? 0 : 1;
}
