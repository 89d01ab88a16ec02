#include "calendar/dialogs/DialogEnterKey.h"

#include <QKeyEvent>
#include <QPushButton>

void withoutDefaultButton(QWidget &dialog)
{
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        button->setAutoDefault(false);
}

bool handleEnterKey(const QWidget &dialog, QKeyEvent &event)
{
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    if (auto *button = qobject_cast<QPushButton *>(dialog.focusWidget()); button && button->isEnabled())
        button->click();
    event.accept();
    return true;
}
