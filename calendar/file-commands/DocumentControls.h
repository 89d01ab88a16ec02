#pragma once

#include "calendar/documents/CalendarDocument.h"

#include <QString>

class MemoLines;
class TForm1;

// The documents as the main window's controls hold them. A design is the set
// of the controls' values; these read them out and put them back.
namespace DocumentControls {

// The month label of the single-month page. A document may hold any month
// index; one outside 0..11 has no name.
QString monthName(const MemoLines &lines, int monthIndex);
// The grid's month of a month index: the index plus one, and for an index
// outside 0..11 a month the grid ignores (with no arithmetic that overflows).
int gridMonth(int monthIndex);

CalendarDocument::SingleMonth collectSingleMonth(const TForm1 &window);
CalendarDocument::Project collectProject(const TForm1 &window);

enum class Outcome { SingleMonth, Project, NotADocument };

// Reads the document of `lines` into the window: every picture is loaded and
// every line converted first, and only when all of it succeeded do the
// controls change. Link, title and page are the caller's.
Result<Outcome> apply(TForm1 &window, const QStringList &lines);

} // namespace DocumentControls
