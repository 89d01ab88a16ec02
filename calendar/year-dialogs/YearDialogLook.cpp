#include "calendar/year-dialogs/YearDialogLook.h"

#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace YearDialogLook {

namespace {

constexpr int LabelLeft = 8;
constexpr int LabelWidth = 90;
constexpr int FieldLeft = 104;
constexpr int FieldWidth = 121;
constexpr int FieldHeight = 22;
constexpr int ButtonLefts[] = {36, 126};
constexpr QSize ButtonSize{75, 25};

} // namespace

void setUp(QDialog &dialog, const QString &name, const QString &caption, int clientHeight)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint);
    dialog.setObjectName(name);
    dialog.setWindowTitle(caption);
    dialog.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    dialog.setFixedSize(237, clientHeight);
    centreOnPrimaryScreen(dialog);
}

QLabel *addLabel(QDialog &dialog, const QString &name, const QString &text, int row)
{
    auto *label = new QLabel(text, &dialog);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(LabelLeft, fieldRect(row).top(), LabelWidth, FieldHeight);
    label->setFont(QFont(QStringLiteral("Times New Roman"), 10, QFont::Bold));
    WidgetLook::setTextColor(label, Colors::clBlue);
    return label;
}

QRect fieldRect(int row)
{
    return {FieldLeft, FirstRowTop + RowStep * row, FieldWidth, FieldHeight};
}

TSpinEdit *addYearField(QDialog &dialog, int row)
{
    auto *field = new TSpinEdit(1, 9999, 4, &dialog);
    field->setObjectName(QStringLiteral("SpinEdit1"));
    field->setGeometry(fieldRect(row));
    return field;
}

QPushButton *addButton(QDialog &dialog, const QString &name, const QString &text, int column, int top)
{
    auto *button = new QPushButton(text, &dialog);
    button->setObjectName(name);
    button->setGeometry({{ButtonLefts[column], top}, ButtonSize});
    return button;
}

} // namespace YearDialogLook
