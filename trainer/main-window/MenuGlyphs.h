#pragma once

class QMenuBar;

// The 16 × 16 glyphs of the main menu's submenu items, drawn rather than shipped.
namespace MenuGlyphs {

// Puts its glyph on every item of the bar that has one.
void apply(QMenuBar &bar);

} // namespace MenuGlyphs
