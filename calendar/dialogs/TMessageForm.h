#pragma once

#include "calendar/dialogs/MessageDialogTypes.h"

#include <QDialog>
#include <QString>
#include <QStringList>

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
    // The captions of a set of buttons, in row order.
    static QStringList captions(TMsgDlgButtons buttons);

    // x >= 0 places the left edge, y >= 0 the top edge; a negative one keeps
    // the box centred that way.
    void placeAt(int x, int y);

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
