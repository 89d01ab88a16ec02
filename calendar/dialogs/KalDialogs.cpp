#include "calendar/dialogs/KalDialogs.h"

#include "platform/ui/MessageBox.h"

#include <QPushButton>

namespace {

MessageBox::Icon seamIcon(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return MessageBox::Icon::Warning;
    case TMsgDlgType::mtError: return MessageBox::Icon::Error;
    case TMsgDlgType::mtInformation: return MessageBox::Icon::Information;
    case TMsgDlgType::mtConfirmation: return MessageBox::Icon::Question;
    case TMsgDlgType::mtCustom: break;
    }
    return MessageBox::Icon::None;
}

MessageBox::Buttons seamButtons(TMsgDlgButtons buttons)
{
    MessageBox::Buttons result = 0;
    if (buttons.contains(mbYes))
        result |= MessageBox::Yes;
    if (buttons.contains(mbNo))
        result |= MessageBox::No;
    if (buttons.contains(mbOK))
        result |= MessageBox::Ok;
    if (buttons.contains(mbCancel))
        result |= MessageBox::Cancel;
    return result;
}

int modalResult(MessageBox::Result answer)
{
    switch (answer) {
    case MessageBox::Result::Ok: return ModalResult::mrOk;
    case MessageBox::Result::Yes: return ModalResult::mrYes;
    case MessageBox::Result::No: return ModalResult::mrNo;
    case MessageBox::Result::Cancel:
    case MessageBox::Result::Closed: break;
    }
    return ModalResult::mrCancel;
}

// What a test script is asked, as for every other box.
MessageBox::Request requestOf(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons)
{
    MessageBox::Request request;
    request.text = message;
    request.caption = TMessageForm::title(type);
    request.buttons = seamButtons(buttons);
    request.icon = seamIcon(type);
    request.buttonCaptions = TMessageForm::captions(buttons);
    return request;
}

// Clicks the box's button of that modal result; false when it has none.
bool pressButton(const TMessageForm &box, int code)
{
    for (int which = 0; which < MsgDlgButtonCount; ++which) {
        QPushButton *button = box.button(TMsgDlgBtn(which));
        if (button && TMessageForm::buttonResult(TMsgDlgBtn(which)) == code) {
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace

std::unique_ptr<TMessageForm> CreateKalMessageDialog(const QString &message, TMsgDlgType type,
                                                     TMsgDlgButtons buttons)
{
    return std::make_unique<TMessageForm>(message, type, buttons);
}

int KalMessageDlgPosHelp(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons,
                         int helpContext, int x, int y, const QString &helpFile)
{
    auto box = CreateKalMessageDialog(message, type, buttons);
    box->HelpContext = helpContext;
    box->HelpFile = helpFile;
    box->placeAt(x, y);
    TMessageForm &shown = *box;
    return MessageBox::execAnswered(shown, requestOf(message, type, buttons), modalResult,
                                    [&shown](int code) { return pressButton(shown, code); });
}

int KalMessageDlgPos(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                     int x, int y)
{
    return KalMessageDlgPosHelp(message, type, buttons, helpContext, x, y, QString());
}

int KalMessageDlg(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    return KalMessageDlgPos(message, type, buttons, helpContext, -1, -1);
}

void KalShowMessagePos(const QString &message, int x, int y)
{
    KalMessageDlgPos(message, TMsgDlgType::mtCustom, {mbOK}, 0, x, y);
}

void KalShowMessage(const QString &message)
{
    KalShowMessagePos(message, -1, -1);
}
