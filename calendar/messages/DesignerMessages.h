#pragma once

#include <QString>

// The sentences that the designer writes itself, in one place. Its other
// texts come from the language file, and the form library's error texts from
// platform/ (PlatformMessages::ClassLibrary).
namespace DesignerMessages {

inline QString replaceQuestion(const QString &fileName)
{
    return QStringLiteral("Soubor %1 již existuje.\nChcete jej nahradit?").arg(fileName);
}

} // namespace DesignerMessages
