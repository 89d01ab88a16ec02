#include "calendar/dialogs/TMessageForm.h"

#include "calendar/dialogs/KalConsts.h"
#include "calendar/dialogs/MessageFormLayout.h"
#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <optional>

namespace {

struct ButtonSpec
{
    const char *name;
    const QString &caption;
    int result;
};

const std::array<ButtonSpec, MsgDlgButtonCount> &buttonSpecs()
{
    using namespace KalConsts;
    using namespace ModalResult;
    static const std::array<ButtonSpec, MsgDlgButtonCount> specs{{
        {"Yes", SMsgDlgYes, mrYes},
        {"No", SMsgDlgNo, mrNo},
        {"OK", SMsgDlgOK, mrOk},
        {"Cancel", SMsgDlgCancel, mrCancel},
        {"Abort", SMsgDlgAbort, mrAbort},
        {"Retry", SMsgDlgRetry, mrRetry},
        {"Ignore", SMsgDlgIgnore, mrIgnore},
        {"All", SMsgDlgAll, mrAll},
        {"NoToAll", SMsgDlgNoToAll, mrNoToAll},
        {"YesToAll", SMsgDlgYesToAll, mrYesToAll},
        {"Help", SMsgDlgHelp, mrNone},
    }};
    return specs;
}

QSize baseUnit(const QFontMetrics &metrics)
{
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {metrics.horizontalAdvance(letters) / 52, metrics.height()};
}

// Measured once and remembered for later boxes.
int captionWidth(TMsgDlgBtn which, const QFontMetrics &metrics)
{
    static std::array<int, MsgDlgButtonCount> widths = [] {
        std::array<int, MsgDlgButtonCount> unmeasured{};
        unmeasured.fill(-1);
        return unmeasured;
    }();
    if (widths[which] < 0)
        widths[which] = metrics.boundingRect(QRect(), Qt::TextShowMnemonic,
                                             TMessageForm::caption(which)).width();
    return widths[which];
}

std::optional<QStyle::StandardPixmap> iconOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return QStyle::SP_MessageBoxWarning;
    case TMsgDlgType::mtError: return QStyle::SP_MessageBoxCritical;
    case TMsgDlgType::mtInformation: return QStyle::SP_MessageBoxInformation;
    case TMsgDlgType::mtConfirmation: return QStyle::SP_MessageBoxQuestion;
    case TMsgDlgType::mtCustom: break;
    }
    return std::nullopt;
}

// Enter presses the default button; Esc presses the cancel button.
std::optional<TMsgDlgBtn> defaultOf(TMsgDlgButtons buttons)
{
    for (TMsgDlgBtn which : {mbOK, mbYes, mbRetry}) {
        if (buttons.contains(which))
            return which;
    }
    return std::nullopt;
}

std::optional<TMsgDlgBtn> cancelOf(TMsgDlgButtons buttons)
{
    for (TMsgDlgBtn which : {mbCancel, mbNo, mbOK}) {
        if (buttons.contains(which))
            return which;
    }
    return std::nullopt;
}

} // namespace

TMessageForm::TMessageForm(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    const QString shown = MessageBox::shownText(message);
    setLayoutDirection(QGuiApplication::layoutDirection());
    setFont(QApplication::font("QMessageBox"));
    setWindowTitle(title(type));

    const QFontMetrics metrics(font());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize textSize = metrics.boundingRect(QRect(0, 0, screen.width() / 2, 0),
                                                Qt::TextWordWrap | Qt::TextExpandTabs, shown).size();

    MessageFormLayout::Input input{baseUnit(metrics), textSize, iconOf(type).has_value(), {}};
    for (TMsgDlgBtn which : buttons.inRowOrder())
        input.captionWidths.push_back(captionWidth(which, metrics));
    const MessageFormLayout layout = MessageFormLayout::compute(input);

    setFixedSize(layout.clientSize);
    move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);

    if (const auto icon = iconOf(type)) {
        m_image = new QLabel(this);
        m_image->setObjectName(QStringLiteral("Image"));
        m_image->setGeometry(layout.iconRect);
        m_image->setPixmap(style()->standardIcon(*icon).pixmap(MessageFormLayout::IconSize));
    }
    m_message = new QLabel(shown, this);
    m_message->setObjectName(QStringLiteral("Message"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setGeometry(layout.textRect);

    createButtons(buttons);
    auto rect = layout.buttonRects.begin();
    for (QPushButton *button : m_buttons) {
        if (button)
            button->setGeometry(*rect++);
    }
    chooseDefaultAndCancel(buttons);
}

QString TMessageForm::title(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return KalConsts::SMsgDlgWarning;
    case TMsgDlgType::mtError: return KalConsts::SMsgDlgError;
    case TMsgDlgType::mtInformation: return KalConsts::SMsgDlgInformation;
    case TMsgDlgType::mtConfirmation: return KalConsts::SMsgDlgConfirm;
    case TMsgDlgType::mtCustom: break;
    }
    return QGuiApplication::applicationDisplayName();
}

QString TMessageForm::caption(TMsgDlgBtn which)
{
    return buttonSpecs()[which].caption;
}

int TMessageForm::buttonResult(TMsgDlgBtn which)
{
    return buttonSpecs()[which].result;
}

void TMessageForm::createButtons(TMsgDlgButtons buttons)
{
    for (TMsgDlgBtn which : buttons.inRowOrder()) {
        auto *button = new QPushButton(caption(which), this);
        button->setObjectName(QString::fromLatin1(buttonSpecs()[which].name));
        const int code = buttonResult(which);
        // The help button has no result: the box stays open.
        if (code != ModalResult::mrNone)
            connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
        m_buttons[which] = button;
    }
}

QStringList TMessageForm::captions(TMsgDlgButtons buttons)
{
    QStringList row;
    for (TMsgDlgBtn which : buttons.inRowOrder())
        row << caption(which);
    return row;
}

void TMessageForm::chooseDefaultAndCancel(TMsgDlgButtons buttons)
{
    if (const auto which = cancelOf(buttons))
        m_cancel = m_buttons[*which];
    if (const auto which = defaultOf(buttons)) {
        m_default = m_buttons[*which];
        m_default->setDefault(true);
        m_default->setFocus();
    }
}

void TMessageForm::placeAt(int x, int y)
{
    move(x >= 0 ? x : this->x(), y >= 0 ? y : this->y());
}

void TMessageForm::reject()
{
    done(ModalResult::mrCancel);
}

void TMessageForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancel)
            m_cancel->click();
        event->accept();
        return;
    }
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        for (QPushButton *button : m_buttons) {
            if (button && button->isEnabled()
                && QKeySequence::mnemonic(button->text()) == QKeySequence(Qt::ALT | Qt::Key(event->key()))) {
                button->click();
                event->accept();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}
