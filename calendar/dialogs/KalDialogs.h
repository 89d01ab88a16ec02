#pragma once

#include "calendar/dialogs/MessageDialogTypes.h"
#include "calendar/dialogs/TMessageForm.h"

#include <QString>

#include <memory>

// The designer's own modal message box. Every function returns the modal
// result of the button that closed the box (mrCancel from the title bar).

int KalMessageDlg(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);
int KalMessageDlgPos(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
                     int x, int y);
// x >= 0 places the left edge, y >= 0 the top edge; both negative centres the
// box on the screen.
int KalMessageDlgPosHelp(const QString &message, TMsgDlgType type, TMsgDlgButtons buttons,
                         int helpContext, int x, int y, const QString &helpFile);

// An information box of the custom type (application title, no icon) with OK.
void KalShowMessage(const QString &message);
void KalShowMessagePos(const QString &message, int x, int y);

// The box, built and centred but not shown.
std::unique_ptr<TMessageForm> CreateKalMessageDialog(const QString &message, TMsgDlgType type,
                                                     TMsgDlgButtons buttons);
