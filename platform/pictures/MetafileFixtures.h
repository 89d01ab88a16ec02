#pragma once

// Small metafiles for the picture tests, written by libUEMF's own writer (not
// by the players under test).
namespace MetafileFixtures {

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

} // namespace MetafileFixtures
