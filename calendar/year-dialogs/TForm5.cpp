#include "calendar/year-dialogs/TForm5.h"

#include "calendar/year-dialogs/YearDialogs.h"
#include "ui_TForm5.h"

TForm5 *Form5 = nullptr;

TForm5::TForm5(QWidget *parent) : YearDialog(ApplyProjectYear, parent)
{
    Ui::TForm5 form;
    setUpForm(form);
}
