#pragma once

// Small metafiles for the picture tests, written by libUEMF's own writer (not
// by the players under test).

#include <QByteArray>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <initializer_list>

#include <uemf.h>
#include <uwmf.h>

namespace MetafileFixtures {

// An EMF of 60 x 40 pixels at 96 dpi being written; a logical unit is a pixel.
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
    // Makes and selects a solid brush, or a pen.
    void brush(U_COLORREF colour)
    {
        uint32_t handle = 0;
        append(createbrushindirect_set(&handle, m_handles, logbrush_set(U_BS_SOLID, colour, 0)));
        append(selectobject_set(handle, m_handles));
    }
    void pen(uint32_t style, int32_t width, U_COLORREF colour)
    {
        uint32_t handle = 0;
        append(createpen_set(&handle, m_handles, logpen_set(style, point32_set(width, 0), colour)));
        append(selectobject_set(handle, m_handles));
    }
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

// A WMF being written; placeable when it has a size.
class Wmf
{
public:
    bool start(const char *path, U_PAIRF *inches, unsigned int unitsPerInch)
    {
        if (wmf_start(path, 4096, 4096, &m_track) != 0 || wmf_htable_create(32, 32, &m_handles) != 0)
            return false;
        wmf_header_append(reinterpret_cast<U_METARECORD *>(U_WMRHEADER_set(inches, unitsPerInch)), m_track, U_REC_FREE);
        free(inches);
        return true;
    }
    void append(char *record) { wmf_append(reinterpret_cast<U_METARECORD *>(record), m_track, U_REC_FREE); }
    void window(int16_t x, int16_t y, int16_t width, int16_t height)
    {
        append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        append(U_WMRSETWINDOWORG_set(point16_set(x, y)));
        append(U_WMRSETWINDOWEXT_set(point16_set(width, height)));
    }
    void solid(U_COLORREF colour)
    {
        uint32_t brush = 0;
        uint32_t pen = 0;
        append(wcreatebrushindirect_set(&brush, m_handles, U_WLOGBRUSH_set(U_BS_SOLID, colour, 0)));
        append(wselectobject_set(brush, m_handles));
        append(wcreatepenindirect_set(&pen, m_handles, U_PEN_set(U_PS_NULL, 0, U_RGB(0, 0, 0))));
        append(wselectobject_set(pen, m_handles));
    }
    WMFHANDLES *handles() const { return m_handles; }
    bool finish()
    {
        append(U_WMREOF_set());
        const bool written = wmf_finish(m_track) == 0;
        wmf_free(&m_track);
        wmf_htable_free(&m_handles);
        return written;
    }

private:
    WMFTRACK *m_track = nullptr;
    WMFHANDLES *m_handles = nullptr;
};

// Writes an EMF of 60 x 40 pixels holding the records that `draw` appends.
bool writeEmfRecords(const char *path, const std::function<void(Emf &)> &draw);
// Writes a placeable WMF of 60 x 40 pixels, its window 60 x 40 units from
// 0,0, holding the records that `draw` appends.
bool writeWmfRecords(const char *path, const std::function<void(Wmf &)> &draw);

// 60 x 40 pixels: a red rectangle on the left, a green ellipse on the right,
// a blue triangle and a line of text.
bool writeEmf(const char *path);
// 60 x 40 pixels: a 2 x 2 bitmap (red, blue above yellow, cyan) stretched
// over the left half by STRETCHDIBITS, and a green bitmap copied unscaled onto
// the right half by BITBLT.
bool writeBitmapEmf(const char *path);
// A placeable WMF of 60 x 40 pixels: red rectangle left, green ellipse right.
bool writeWmf(const char *path);
// 200 x 120 pixels: a blue rectangle at 10,10-90,60 and a green ellipse at
// 110,10-190,110, at the given units per inch; without a placeable header the
// window (at 1000,1000) gives the size.
bool writeShapesWmf(const char *path, unsigned int unitsPerInch, bool placeable);
// The bitmaps of writeBitmapEmf, by STRETCHDIB and DIBBITBLT.
bool writeBitmapWmf(const char *path);

// 120 x 80 pixels: black text "Ab" at 4,4 (TEXTOUT) and at 4,24
// (EXTTEXTOUT); a blue quarter pie in the box 60,0-120,60 from three o'clock to
// twelve; a blue square 0,40-40,80 with a hole at 10,50-30,70; a red pattern
// fill at 50,40-60,50; a chord, an arc, a rounded box and lines below right.
bool writeTextAndCurvesWmf(const char *path);

// Hostile metafiles, made in memory at any size: an EMF or a placeable WMF
// of `pixels` x `pixels` around the given records.
QByteArray emfOf(const QByteArray &records, int pixels);
QByteArray wmfOf(const QByteArray &records, int pixels);
QByteArray emfRecord(uint32_t type, std::initializer_list<uint32_t> words);
QByteArray wmfRecord(uint16_t function, std::initializer_list<uint16_t> words);
// `count` nested SAVEDC records.
QByteArray nestedSaves(bool emf, int count);
// `count` objects never deleted: EMF brushes or WMF palettes.
QByteArray objectFlood(bool emf, int count);
// `records` EMF polylines (16-bit) of `points` points each zigzagging over
// the picture, drawn with a pen `penWidth` wide (0: a hairline) of the pen
// style given; with POLYBEZIER16 as `type` the points are beziers' instead.
QByteArray longPolylines(int records, int points, int penWidth, int pixels, uint32_t penStyle = U_PS_SOLID,
                         uint32_t type = U_EMR_POLYLINE16);
// The same, but mapped at a hundred logical units a pixel and with points
// drawn at random along the top and the bottom edge, so that no two lines
// are alike.
QByteArray distinctLongPolylines(int records, int points, int penWidth, int pixels, uint32_t penStyle = U_PS_SOLID,
                                 uint32_t type = U_EMR_POLYLINE16);
// An EMF path of `points` points kept open while `saves` times the state is
// saved and the path grown by a line, so each saved state holds its own copy.
QByteArray savedPathCopies(int points, int saves);

} // namespace MetafileFixtures
