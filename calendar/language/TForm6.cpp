#include "calendar/language/TForm6.h"

#include "calendar/language/LanguageMenu.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowPlacement.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>


TForm6 *Form6 = nullptr;

namespace {

const QString Question = QStringLiteral("Nenalezen soubor Data.dat, chcete jej vytvořit?");

} // namespace

TForm6::TForm6()
{
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Zoziruzo"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setFixedSize(322, 89);
    Image1 = new QLabel(this);
    Image1->setGeometry(16, 16, 32, 32);
    Label1 = new QLabel(Question, this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->move(64, 22);
    Label1->adjustSize();
    Button1 = new QPushButton(QStringLiteral("Ano"), this);
    Button1->setGeometry(80, 52, 75, 25);
    Button2 = new QPushButton(QStringLiteral("Ne"), this);
    Button2->setGeometry(175, 52, 75, 25);
    setTabOrder(Button1, Button2);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    centreOnPrimaryScreen(*this);
}

void TForm6::ShowModal()
{
    const MessageBox::Request question{Question, windowTitle(), MessageBox::Yes | MessageBox::No,
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
