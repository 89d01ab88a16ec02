#include "trainer/form-dialog/FormDialog.h"

#include "platform/ui/WindowPlacement.h"

#include <QKeyEvent>

void FormDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        centreOnPrimaryScreen(*this);
        FormShow();
    }
}

void FormDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
