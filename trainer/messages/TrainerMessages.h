#pragma once

#include <QString>

// Every sentence that the trainer writes for its user and that is not one of
// its windows' fixed texts, in one place. What platform/ reports (files, the
// table engine, printing) comes from there, with its reason.
namespace TrainerMessages {

inline QString settingsKeyNotCreated() { return QStringLiteral("Klíč nastavení nelze vytvořit."); }

// Leads of a module's failure to load; the loader's reason follows.
inline QString pageWindowsNotLoaded() { return QStringLiteral("Okna pro zobrazení stránek nelze načíst: "); }
inline QString lawViewerNotLoaded() { return QStringLiteral("Prohlížeč dokumentů nelze načíst: "); }

inline QString pagePrintCaption() { return QStringLiteral("Tisk stránky"); }

// Followed on the next line by why the document's copy could not be made.
inline QString documentNotShown() { return QStringLiteral("Dokument nelze zobrazit:"); }

inline QString questionTableLacksColumn(const QString &table, const QString &column)
{
    return QStringLiteral("Tabulka %1 nemá sloupec %2.").arg(table, column);
}

inline QString gridRecordMissing(int number)
{
    return QStringLiteral("Záznam %1 v tabulce otázek není.").arg(number);
}
inline QString deleteRecordQuestion() { return QStringLiteral("Smazat záznam?"); }
inline QString deleteRecordCaption() { return QStringLiteral("Potvrzení"); }

// Backup and restore.
inline QString backupFailed() { return QStringLiteral("Data se nepodařilo odzálohovat."); }
inline QString restoreFailed()
{
    return QStringLiteral("Obnova dat se nezdařila, databáze otázek zůstala beze změny.");
}
inline QString notAQuestionTable(const QString &file, const QString &column)
{
    return QStringLiteral("Soubor %1 není tabulka otázek: chybí v něm sloupec %2.").arg(file, column);
}
inline QString pairNotCheckable(const QString &file)
{
    return QStringLiteral("Soubor %1 nelze prověřit: dočasný adresář nelze vytvořit.").arg(file);
}
inline QString fileMissing(const QString &file) { return QStringLiteral("Soubor %1 chybí.").arg(file); }
inline QString notOpenableAsQuestionTable(const QString &file, const QString &reason)
{
    return QStringLiteral("Soubor %1 nelze otevřít jako tabulku otázek: %2").arg(file, reason);
}
inline QString noBackupIn(const QString &folder, const QString &infoFile)
{
    return QStringLiteral("V adresáři %1 není záloha: chybí v něm soubor %2.").arg(folder, infoFile);
}

} // namespace TrainerMessages
