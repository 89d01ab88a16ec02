#include "platform/ui/MessageBox.h"

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace MessageBox {

namespace {

Script *g_active = nullptr;

struct ButtonInfo
{
    Button button;
    QMessageBox::StandardButton standard;
    const char *text;
    Result result;
};

// The row, in the order the buttons stand in it.
constexpr std::array<ButtonInfo, 4> kRow{{
    {Yes, QMessageBox::Yes, "Ano", Result::Yes},
    {No, QMessageBox::No, "Ne", Result::No},
    {Ok, QMessageBox::Ok, "OK", Result::Ok},
    {Cancel, QMessageBox::Cancel, "Storno", Result::Cancel},
}};

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// A box without any known button would have no way to close: it gets OK.
Buttons usableButtons(Buttons buttons)
{
    return (buttons & (Yes | No | Ok | Cancel)) ? buttons : Buttons(Ok);
}

Button defaultOf(Buttons buttons, Button wanted)
{
    if (buttons & wanted)
        return wanted;
    for (const ButtonInfo &info : kRow) {
        if (buttons & info.button)
            return info.button;
    }
    return Ok;
}

Button escapeOf(Buttons buttons)
{
    for (Button candidate : {Cancel, No, Ok}) {
        if (buttons & candidate)
            return candidate;
    }
    return Yes;
}

} // namespace

Script::Script() : m_previous(g_active) { g_active = this; }

Script::~Script() { g_active = m_previous; }

void Script::answer(Result result) { m_answers.push({result, std::nullopt}); }

void Script::answerCode(int code) { m_answers.push({Result::Closed, code}); }

Script *Script::active() { return g_active; }

Script::Answer Script::next(const Request &request)
{
    m_requests.push_back(request);
    if (m_whileOpen)
        m_whileOpen(request);
    if (m_answers.empty())
        return {Result::Ok, std::nullopt};
    const Answer answer = m_answers.front();
    m_answers.pop();
    return answer;
}

Result Script::take(const Request &request)
{
    return next(request).result;
}

int Script::takeCode(const Request &request, const std::function<int(Result)> &codeOf)
{
    const Answer answer = next(request);
    return answer.code ? *answer.code : codeOf(answer.result);
}

QString shownText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

std::unique_ptr<QMessageBox> createBox(QWidget *owner, const Request &request)
{
    auto box = std::make_unique<QMessageBox>(boxIcon(request.icon), request.caption, shownText(request.text),
                                             QMessageBox::NoButton, owner);
    const Buttons buttons = usableButtons(request.buttons);
    const Button defaultButton = defaultOf(buttons, request.defaultButton);
    const Button escapeButton = escapeOf(buttons);
    for (const ButtonInfo &info : kRow) {
        if (!(buttons & info.button))
            continue;
        QPushButton *button = box->addButton(info.standard);
        button->setText(QString::fromUtf8(info.text));
        if (info.button == defaultButton)
            box->setDefaultButton(button);
        if (info.button == escapeButton)
            box->setEscapeButton(button);
    }
    return box;
}

Result resultOf(const QMessageBox &box)
{
    const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
    for (const ButtonInfo &info : kRow) {
        if (info.standard == pressed)
            return info.result;
    }
    return Result::Closed;
}

namespace {

// Presses the next answer once the dialog's own loop runs, and again for as
// long as the dialog stays open after a press.
void answerWhileOpen(QDialog &dialog, const Request &request, const std::function<int(Result)> &codeOf,
                     const std::function<bool(int)> &press)
{
    QTimer::singleShot(0, &dialog, [&dialog, request, codeOf, press] {
        Script *script = Script::active();
        if (!script || !dialog.isVisible())
            return;
        if (!press(script->takeCode(request, codeOf)))
            dialog.reject();
        if (dialog.isVisible())
            answerWhileOpen(dialog, request, codeOf, press);
    });
}

} // namespace

int execAnswered(QDialog &dialog, const Request &request, const std::function<int(Result)> &codeOf,
                 const std::function<bool(int code)> &press)
{
    if (Script::active())
        answerWhileOpen(dialog, request, codeOf, press);
    return dialog.exec();
}

Result show(QWidget *owner, const QString &text, const QString &caption, Buttons buttons,
            Icon icon, Button defaultButton)
{
    const Request request{text, caption, buttons, icon, owner != nullptr, defaultButton};
    if (Script *script = Script::active())
        return script->take(request);
    const std::unique_ptr<QMessageBox> box = createBox(owner, request);
    box->exec();
    return resultOf(*box);
}

} // namespace MessageBox
