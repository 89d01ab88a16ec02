#include "platform/messages/PlatformMessages.h"

namespace PlatformMessages {

namespace ClassLibrary {

QString cannotOpenFile(const QString &path) { return QStringLiteral("Cannot open file %1").arg(path); }
QString notAValidInteger(const QString &text) { return QStringLiteral("'%1' is not a valid integer value").arg(text); }
QString unknownPictureExtension(const QString &extension)
{
    return QStringLiteral("Unknown picture file extension (.%1)").arg(extension);
}

QString invalidDateEncode() { return QStringLiteral("Invalid argument to date encode"); }

} // namespace ClassLibrary

QString cannotRead(const QString &path, const QString &reason)
{
    return QStringLiteral("Soubor %1 nelze přečíst: %2.").arg(path, reason);
}

QString cannotOpen(const QString &path, const QString &reason)
{
    return QStringLiteral("Soubor %1 nelze otevřít: %2.").arg(path, reason);
}

QString cannotWriteTo(const QString &fileName, const QString &reason)
{
    return QStringLiteral("Do souboru %1 nelze zapisovat: %2.").arg(fileName, reason);
}

QString cannotLock(const QString &path, const QString &reason)
{
    return QStringLiteral("Soubor %1 nelze zamknout: %2.").arg(path, reason);
}

QString cannotDelete(const QString &path, const QString &reason)
{
    return QStringLiteral("Soubor %1 nelze smazat: %2.").arg(path, reason);
}

QString cannotCreateFolder(const QString &path, const QString &reason)
{
    return QStringLiteral("Adresář %1 nelze vytvořit: %2.").arg(path, reason);
}

QString largerThan(qint64 megabytes) { return QStringLiteral("je větší než %1 MB").arg(megabytes); }
QString notARegularFile() { return QStringLiteral("není to obyčejný soubor"); }
QString writeRefused() { return QStringLiteral("zápis byl odmítnut"); }
QString tooLarge() { return QStringLiteral("je příliš velký"); }
QString changedWhileRead() { return QStringLiteral("změnil se během čtení"); }
QString fileMissing(const QString &path) { return QStringLiteral("soubor %1 chybí").arg(path); }

QString cannotSave(const QString &path, const QString &reason)
{
    return QStringLiteral("Soubor %1 nelze uložit: %2.").arg(path, reason);
}

QString contentNotMade() { return QStringLiteral("obsah se nepodařilo vytvořit"); }
QString oldContentNotKept() { return QStringLiteral("původní obsah nelze zajistit"); }

QString pairCannotSettle(const QString &first, const QString &second)
{
    return QStringLiteral("Přerušenou výměnu souborů %1 a %2 nelze dokončit ani vrátit.").arg(first, second);
}

QString pairJournalDamaged(const QString &first, const QString &second, const QString &journal,
                           const QString &reason)
{
    return QStringLiteral("Přerušenou výměnu souborů %1 a %2 nelze dokončit: její záznam %3 je poškozen (%4). "
                          "Soubory zůstaly, jak byly; záznam prověřte a odstraňte.")
        .arg(first, second, journal, reason);
}

QString cannotDeleteJournal(const QString &journal, const QString &reason)
{
    return QStringLiteral("Záznam %1 nelze smazat: %2.").arg(journal, reason);
}

QString journalNotUnderstood() { return QStringLiteral("nelze mu rozumět"); }

QString journalNamesOtherFiles(const QString &first, const QString &second)
{
    return QStringLiteral("jmenuje jiné soubory než %1, %2 a jejich kopie").arg(first, second);
}

QString moduleLacksInterface(const QString &module, const QString &interfaceId)
{
    return QStringLiteral("modul %1 nenabízí rozhraní %2").arg(module, interfaceId);
}

QString pictureEndsEarly() { return QStringLiteral("Soubor obrázku předčasně končí."); }
QString windowsMetafileDamaged() { return QStringLiteral("Metasoubor Windows je poškozen."); }
QString notAWindowsMetafile() { return QStringLiteral("Soubor není metasoubor Windows."); }
QString enhancedMetafileDamaged() { return QStringLiteral("Rozšířený metasoubor je poškozen."); }
QString notAnEnhancedMetafile() { return QStringLiteral("Soubor není rozšířený metasoubor."); }
QString jpegTooManyScans(int scans) { return QStringLiteral("Obrázek JPEG je poškozen: má víc než %1 průchodů.").arg(scans); }

QString notEnoughMemoryForPicture(quint32 width, quint32 height)
{
    return QStringLiteral("Na obrázek o %1 × %2 bodech nestačí paměť.").arg(width).arg(height);
}

QString tableDamaged(const QString &fileName, const QString &what)
{
    return QStringLiteral("Tabulka %1 je poškozena: %2.").arg(fileName, what);
}

QString memoFileDamaged(const QString &fileName, const QString &what)
{
    return QStringLiteral("Soubor poznámek %1 je poškozen: %2.").arg(fileName, what);
}

QString notADbaseTable(const QString &fileName, const QString &versionByte)
{
    return QStringLiteral("Soubor %1 není tabulka dBASE III ani IV (bajt verze 0x%2).").arg(fileName, versionByte);
}

QString tableChangedElsewhere(const QString &fileName)
{
    return QStringLiteral("Tabulku %1 mezitím nahradil nebo změnil jiný program; otevřete ji znovu.").arg(fileName);
}

QString memoFileMissing(const QString &memoName, const QString &tableName)
{
    return QStringLiteral("Soubor poznámek %1 tabulky %2 chybí.").arg(memoName, tableName);
}

QString memoFileFull(const QString &memoName, const QString &tableName)
{
    return QStringLiteral("Soubor poznámek %1 přerostl čísla bloků, která tabulka %2 pojme.").arg(memoName, tableName);
}

QString tableNotOpen() { return QStringLiteral("Tabulka není otevřena."); }
QString tableNotEdited() { return QStringLiteral("Tabulka se neupravuje."); }

QString noRecordToEdit(const QString &fileName)
{
    return QStringLiteral("Tabulka %1 nemá žádný záznam k úpravě.").arg(fileName);
}

QString noRecordToDelete(const QString &fileName)
{
    return QStringLiteral("Tabulka %1 nemá žádný záznam ke smazání.").arg(fileName);
}

QString noSuchColumn(const QString &fileName) { return QStringLiteral("Tabulka %1 takový sloupec nemá.").arg(fileName); }

QString memoTextEndsEarly(const QString &column)
{
    return QStringLiteral("Text pro sloupec poznámek %1 obsahuje znak 0x1A, který poznámku ukončuje.").arg(column);
}

QString columnNameLength(const QString &name)
{
    return QStringLiteral("Jméno sloupce '%1' musí mít 1 až 10 znaků.").arg(name);
}

QString columnWidth(const QString &name, int length, int decimals)
{
    return QStringLiteral("Sloupec %1 nemůže mít šířku %2.%3.").arg(name).arg(length).arg(decimals);
}

QString noColumnGiven() { return QStringLiteral("Tabulka potřebuje alespoň jeden sloupec."); }

QString notANumberForColumn(const QString &text, const QString &column)
{
    return QStringLiteral("'%1' není číslo pro sloupec %2.").arg(text, column);
}

QString doesNotFitColumn(const QString &text, const QString &column)
{
    return QStringLiteral("%1 se do sloupce %2 nevejde.").arg(text, column);
}

QString notABooleanForColumn(const QString &text, const QString &column)
{
    return QStringLiteral("'%1' není logická hodnota pro sloupec %2.").arg(text, column);
}

QString notADateForColumn(const QString &text, const QString &column)
{
    return QStringLiteral("'%1' není datum (RRRRMMDD) pro sloupec %2.").arg(text, column);
}

QString textTooLongForColumn(int length, const QString &column)
{
    return QStringLiteral("Text je delší než %1 znaků sloupce %2.").arg(length).arg(column);
}

QString memoColumnNotInTable(const QString &column)
{
    return QStringLiteral("Sloupec poznámek %1 se neukládá do souboru tabulky.").arg(column);
}

QString shorterThanTableHeader() { return QStringLiteral("soubor je kratší než hlavička tabulky"); }

QString headerLengthDoesNotFit(int headerLength)
{
    return QStringLiteral("délka hlavičky %1 neodpovídá souboru").arg(headerLength);
}

QString columnListPastHeader(int headerLength)
{
    return QStringLiteral("seznam sloupců přesahuje délku hlavičky %1").arg(headerLength);
}

QString unknownColumnType(const QString &column, QChar type)
{
    return QStringLiteral("sloupec %1 má neznámý typ '%2'").arg(column, type);
}

QString columnWithoutName(int number) { return QStringLiteral("sloupec %1 nemá jméno").arg(number); }

QString impossibleColumnWidth(const QString &column, int length, int decimals)
{
    return QStringLiteral("sloupec %1 má nemožnou šířku %2.%3").arg(column).arg(length).arg(decimals);
}

QString columnListWithoutEnd() { return QStringLiteral("seznam sloupců nemá v hlavičce konec"); }
QString noColumns() { return QStringLiteral("tabulka nemá žádný sloupec"); }

QString recordLengthMismatch(int recordLength, int needed)
{
    return QStringLiteral("délka záznamu %1 neodpovídá sloupcům, které potřebují %2").arg(recordLength).arg(needed);
}

QString fileTooShortForRecords(qint64 size, quint32 records, qint64 needed)
{
    return QStringLiteral("soubor má %1 bajtů, jeho %2 záznamů však potřebuje %3").arg(size).arg(records).arg(needed);
}

QString recordsTooLong(int maxRecordLength)
{
    return QStringLiteral("sloupce potřebují víc než %1 bajtů na záznam").arg(maxRecordLength);
}

QString noMemoBlockNumber(quint32 record, const QString &column)
{
    return QStringLiteral("záznam %1 nemá ve sloupci %2 číslo bloku poznámky").arg(record).arg(column);
}

QString recordsPastEnd(quint32 records)
{
    return QStringLiteral("jejích %1 záznamů přesahuje konec souboru").arg(records);
}

QString shorterThanMemoHeader() { return QStringLiteral("soubor je kratší než hlavička souboru poznámek"); }

QString blockSizeTooSmall(int blockSize)
{
    return QStringLiteral("velikost bloku %1 je příliš malá").arg(blockSize);
}

QString becameShorterWhileRead() { return QStringLiteral("soubor se během čtení zkrátil"); }

QString memoAtBlock(quint32 block, const QString &what)
{
    return QStringLiteral("poznámka v bloku %1 %2").arg(block).arg(what);
}

QString liesPastEnd() { return QStringLiteral("leží za koncem souboru"); }
QString noMemoBlockHeader() { return QStringLiteral("nezačíná hlavičkou bloku poznámky"); }

QString claimsMoreThanFile(quint32 length)
{
    return QStringLiteral("udává %1 bajtů, víc, než soubor má").arg(length);
}

QString noEndMarker() { return QStringLiteral("nemá značku konce"); }

QString noDefaultPrinter() { return QStringLiteral("Není vybrána žádná výchozí tiskárna."); }
QString printerNotValid() { return QStringLiteral("Vybraná tiskárna není platná."); }
QString printerCannotStartPage() { return QStringLiteral("Tiskárna nemůže začít novou stránku."); }
QString printingCannotStart() { return QStringLiteral("Tisk nelze zahájit."); }
QString printingCannotStart(const QString &reason) { return QStringLiteral("Tisk nelze zahájit: %1").arg(reason); }
QString printingCannotFinish() { return QStringLiteral("Tisk nelze dokončit."); }
QString printingCannotFinish(const QString &reason) { return QStringLiteral("Tisk nelze dokončit: %1").arg(reason); }

QString printingFailedOn(const QString &printer, const QString &reason)
{
    return QStringLiteral("Tisk na tiskárně %1 selhal: %2").arg(printer, reason);
}

QString documentEmpty() { return QStringLiteral("dokument je prázdný"); }

} // namespace PlatformMessages
