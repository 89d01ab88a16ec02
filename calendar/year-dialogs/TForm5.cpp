#include "calendar/year-dialogs/TForm5.h"

#include "calendar/year-dialogs/YearDialogs.h"

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent)
    : YearDialog(QStringLiteral("Form5"), QStringLiteral("Změnit rok"), 94, ApplyProjectYear, parent)
{
}
