#include "trainer/documents/LawViewerWindow.h"

#include "platform/ui/ModalWindow.h"
#include "trainer/documents/TUkaz_Vyhlasku.h"

void LawViewerWindow::show(const QString &documentTitle, const QString &documentFile)
{
    runModalAs(Ukaz_Vyhlasku, documentTitle, documentFile);
}
