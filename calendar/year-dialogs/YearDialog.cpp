#include "calendar/year-dialogs/YearDialog.h"

#include "calendar/dialogs/DialogEnterKey.h"
#include "platform/ui/Application.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace {

constexpr int ClientWidth = 237;
constexpr int FirstRowTop = 16;
constexpr int RowStep = 32;
constexpr int LabelLeft = 8;
constexpr int LabelWidth = 90;
constexpr QSize FieldSize{121, 22};
constexpr int FieldLeft = 104;
constexpr int ButtonsAboveBottom = 13;
constexpr QSize ButtonSize{75, 25};
constexpr int ButtonLefts[] = {36, 126};

} // namespace

YearDialog::YearDialog(const QString &name, const QString &caption, int clientHeight, Result<> (*apply)(),
                       QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint),
      m_apply(apply)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(ClientWidth, clientHeight);
    const int buttonTop = clientHeight - ButtonsAboveBottom - ButtonSize.height();

    Label1 = addLabel(QStringLiteral("Label1"), QStringLiteral("Změnit rok:"), 0);
    SpinEdit1 = new TSpinEdit(1, 9999, 4, this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setGeometry(fieldRect(0));
    const std::pair<QPushButton **, QString> buttons[] = {{&Button1, QStringLiteral("OK")},
                                                          {&Button2, QStringLiteral("Storno")}};
    for (int n = 0; n < 2; ++n) {
        QPushButton *&button = *buttons[n].first;
        button = new QPushButton(buttons[n].second, this);
        button->setObjectName(QStringLiteral("Button%1").arg(n + 1));
        button->setGeometry({{ButtonLefts[n], buttonTop}, ButtonSize});
    }
    connect(Button1, &QPushButton::clicked, this, &YearDialog::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &YearDialog::Button2Click);
    withoutDefaultButton(*this);
    centreOnPrimaryScreen(*this);
}

QLabel *YearDialog::addLabel(const QString &name, const QString &text, int row)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(LabelLeft, fieldRect(row).top(), LabelWidth, FieldSize.height());
    label->setFont(QFont(QStringLiteral("Times New Roman"), 10, QFont::Bold));
    WidgetLook::setTextColor(label, Colors::clBlue);
    return label;
}

QRect YearDialog::fieldRect(int row)
{
    return {{FieldLeft, FirstRowTop + RowStep * row}, FieldSize};
}

void YearDialog::Button1Click()
{
    if (Application::showErrorBox(this, m_apply()))
        accept();
}

void YearDialog::Button2Click()
{
    reject();
}

// FormShow: OK has the focus.
void YearDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button1->setFocus();
}

void YearDialog::keyPressEvent(QKeyEvent *event)
{
    if (!handleEnterKey(*this, *event))
        QDialog::keyPressEvent(event);
}
