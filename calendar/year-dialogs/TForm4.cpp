#include "calendar/year-dialogs/TForm4.h"

#include "calendar/main-window/PageModel.h"
#include "calendar/year-dialogs/YearDialogs.h"
#include "ui_TForm4.h"

#include <QComboBox>

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent) : YearDialog(ApplyDocumentMonthYear, parent)
{
    Ui::TForm4 form;
    setUpForm(form);
    Label2 = form.Label2;
    ComboBox1 = form.ComboBox1;
    for (int page = PageModel::FirstMonthPage; page <= PageModel::LastMonthPage; ++page)
        ComboBox1->addItem(PageModel::tabCaption(page));
}
