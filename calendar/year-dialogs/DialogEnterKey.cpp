#include "calendar/year-dialogs/DialogEnterKey.h"

#include <QKeyEvent>
#include <QPushButton>

bool swallowEnterOutsideButtons(const QWidget &dialog, QKeyEvent &event)
{
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (!enter || qobject_cast<QPushButton *>(dialog.focusWidget()))
        return false;
    event.accept();
    return true;
}
