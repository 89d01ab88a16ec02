#pragma once

#include "calendar/dialogs/MessageDialogTypes.h"

#include <QDialog>
#include <QString>

#include <array>

class QLabel;
class QPushButton;

// The designer's message box: icon, word-wrapped text and a row of buttons
// with fixed captions. Closing it from the title bar gives mrCancel.
class TMessageForm : public QDialog
{
    Q_OBJECT

public:
    TMessageForm(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons);

    // Null for a button that was not requested.
    QPushButton *button(TMsgDlgBtn which) const { return m_buttons[which]; }
    QPushButton *defaultButton() const { return m_default; }
    QPushButton *cancelButton() const { return m_cancel; }
    QLabel *image() const { return m_image; }
    QLabel *messageLabel() const { return m_message; }

    static QString title(TMsgDlgType type);
    static QString caption(TMsgDlgBtn which);
    static int buttonResult(TMsgDlgBtn which);

    int HelpContext = 0;
    QString HelpFile;

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createButtons(TMsgDlgButtons buttons);
    void chooseDefaultAndCancel(TMsgDlgButtons buttons);

    std::array<QPushButton *, MsgDlgButtonCount> m_buttons{};
    QPushButton *m_default = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_image = nullptr;
    QLabel *m_message = nullptr;
};
