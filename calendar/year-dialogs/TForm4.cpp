#include "calendar/year-dialogs/TForm4.h"

#include "calendar/main-window/PageModel.h"
#include "calendar/year-dialogs/YearDialogs.h"
#include "platform/ui/SpinEdit.h"

#include <QComboBox>
#include <QPushButton>

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent)
    : YearDialog(QStringLiteral("Form4"), QStringLiteral("Změnit rok a měsíc"), 123, ApplyDocumentMonthYear, parent)
{
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("Změnit měsíc:"), 1);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(fieldRect(1));
    for (int page = PageModel::FirstMonthPage; page <= PageModel::LastMonthPage; ++page)
        ComboBox1->addItem(PageModel::tabCaption(page));
    setTabOrder(SpinEdit1, ComboBox1);
    setTabOrder(ComboBox1, Button1);
}
