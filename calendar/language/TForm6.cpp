#include "calendar/language/TForm6.h"

#include "calendar/language/LanguageMenu.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"
#include "ui_TForm6.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>


TForm6 *Form6 = nullptr;

TForm6::TForm6()
{
    Ui::TForm6 form;
    form.setupUi(this);
    Image1 = form.Image1;
    Label1 = form.Label1;
    Button1 = form.Button1;
    Button2 = form.Button2;
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    WidgetLook::fitAutoSizedLabels(this);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    centreOnPrimaryScreen(*this);
}

void TForm6::ShowModal()
{
    const MessageBox::Request question{Label1->text(), windowTitle(), MessageBox::Yes | MessageBox::No,
                                       MessageBox::Icon::Question};
    const auto codeOf = [](MessageBox::Result answer) { return int(answer); };
    const auto press = [this](int code) {
        QPushButton *button = code == int(MessageBox::Result::Yes)  ? Button1
                              : code == int(MessageBox::Result::No) ? Button2
                                                                    : nullptr;
        if (button)
            button->click();
        return button != nullptr;
    };
    MessageBox::execAnswered(*this, question, codeOf, press);
}

void TForm6::showEvent(QShowEvent *event)
{
    // The icon themes are read at the first lookup of a picture: not at start-up.
    if (Image1->pixmap().isNull())
        Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    QDialog::showEvent(event);
    Button1->setFocus();
}

void TForm6::Button1Click()
{
    if (settingsCreated())
        accept();
}

bool TForm6::settingsCreated()
{
    const Result<> created = LanguageMenu::CreateDefaultSettings();
    if (!created)
        Application::showErrorBox(QApplication::activeWindow(), created.error());
    return created.ok();
}
