#include "calendar/year-dialogs/YearDialogs.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/wizard/Wizard.h"
#include "calendar/year-dialogs/TForm4.h"
#include "calendar/year-dialogs/TForm5.h"
#include "platform/ui/SpinEdit.h"

#include <QComboBox>

Result<> ApplyDocumentMonthYear()
{
    TForm1 &form = *Form1;
    const TForm4 &dialog = *Form4;
    form.Label(26)->setText(dialog.ComboBox1->currentText());
    form.Label(27)->setText(QString::number(dialog.SpinEdit1->Value()));
    form.DocMonth = dialog.ComboBox1->currentIndex();
    form.BigKal(13)->setMonth(form.DocMonth + 1);
    if (Result<> set = form.BigKal(13)->setYear(dialog.SpinEdit1->Value()); !set)
        return set;
    if (form.DocMonth != form.OldMonth || dialog.SpinEdit1->Value() != form.OldYear)
        form.Modified = true;
    return {};
}

Result<> ApplyProjectYear()
{
    if (Result<> applied = ApplyYear(*Form5->SpinEdit1); !applied)
        return applied;
    if (Form5->SpinEdit1->Value() != Form1->OldYear)
        Form1->Modified = true;
    return {};
}
