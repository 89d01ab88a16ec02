#pragma once

class TForm1;

// The scroll positions of a freshly shown document: the picture lies above
// the view, the month name, year, grid and text line (on the cover the small
// months) are in it.
void ScrollSinglePage(TForm1 &form);
void ScrollProjectPages(TForm1 &form);
