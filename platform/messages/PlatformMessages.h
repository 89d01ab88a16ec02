#pragma once

#include <QString>

// Every sentence that platform/ writes for a user, in one place. The
// platform's own are Czech, as the programs' users are; a part of a sentence
// (lower case, no full stop) is a reason that another sentence quotes.
namespace PlatformMessages {

// The form library's texts that users know word for word; they stay English.
namespace ClassLibrary {
QString cannotOpenFile(const QString &path);
QString notAValidInteger(const QString &text);
QString unknownPictureExtension(const QString &extension);
QString invalidDateEncode();
} // namespace ClassLibrary

// Files and folders; `reason` is the system's.
QString cannotRead(const QString &path, const QString &reason);
QString cannotOpen(const QString &path, const QString &reason);
QString cannotWriteTo(const QString &fileName, const QString &reason);
QString cannotLock(const QString &path, const QString &reason);
QString cannotDelete(const QString &path, const QString &reason);
QString cannotCreateFolder(const QString &path, const QString &reason);
QString largerThan(qint64 megabytes);
QString notARegularFile();
QString writeRefused();
QString tooLarge();
QString changedWhileRead();
QString fileMissing(const QString &path);

// Saving through a staged copy.
QString cannotSave(const QString &path, const QString &reason);
QString contentNotMade();
QString oldContentNotKept();
QString pairCannotSettle(const QString &first, const QString &second);
QString pairJournalDamaged(const QString &first, const QString &second, const QString &journal,
                           const QString &reason);
QString cannotDeleteJournal(const QString &journal, const QString &reason);
// Reasons for pairJournalDamaged().
QString journalNotUnderstood();
QString journalNamesOtherFiles(const QString &first, const QString &second);

// Program modules.
QString moduleLacksInterface(const QString &module, const QString &interfaceId);

// Pictures.
QString pictureEndsEarly();
QString windowsMetafileDamaged();
QString notAWindowsMetafile();
QString enhancedMetafileDamaged();
QString notAnEnhancedMetafile();
QString jpegTooManyScans(int scans);
QString notEnoughMemoryForPicture(quint32 width, quint32 height);

// The table engine.
QString tableDamaged(const QString &fileName, const QString &what);
QString memoFileDamaged(const QString &fileName, const QString &what);
QString notADbaseTable(const QString &fileName, const QString &versionByte);
QString tableChangedElsewhere(const QString &fileName);
QString memoFileMissing(const QString &memoName, const QString &tableName);
QString memoFileFull(const QString &memoName, const QString &tableName);
QString tableNotOpen();
QString tableNotEdited();
QString noRecordToEdit(const QString &fileName);
QString noRecordToDelete(const QString &fileName);
QString noSuchColumn(const QString &fileName);
QString memoTextEndsEarly(const QString &column);
QString columnNameLength(const QString &name);
QString columnWidth(const QString &name, int length, int decimals);
QString noColumnGiven();
QString notANumberForColumn(const QString &text, const QString &column);
QString doesNotFitColumn(const QString &text, const QString &column);
QString notABooleanForColumn(const QString &text, const QString &column);
QString notADateForColumn(const QString &text, const QString &column);
QString textTooLongForColumn(int length, const QString &column);
QString memoColumnNotInTable(const QString &column);
// Reasons for tableDamaged() and memoFileDamaged().
QString shorterThanTableHeader();
QString headerLengthDoesNotFit(int headerLength);
QString columnListPastHeader(int headerLength);
QString unknownColumnType(const QString &column, QChar type);
QString columnWithoutName(int number);
QString impossibleColumnWidth(const QString &column, int length, int decimals);
QString columnListWithoutEnd();
QString noColumns();
QString recordLengthMismatch(int recordLength, int needed);
QString fileTooShortForRecords(qint64 size, quint32 records, qint64 needed);
QString recordsTooLong(int maxRecordLength);
QString noMemoBlockNumber(quint32 record, const QString &column);
QString recordsPastEnd(quint32 records);
QString shorterThanMemoHeader();
QString blockSizeTooSmall(int blockSize);
QString becameShorterWhileRead();
QString memoAtBlock(quint32 block, const QString &what);
QString liesPastEnd();
QString noMemoBlockHeader();
QString claimsMoreThanFile(quint32 length);
QString noEndMarker();

// Printing.
QString noDefaultPrinter();
QString printerNotValid();
QString printerCannotStartPage();
QString printingCannotStart();
QString printingCannotStart(const QString &reason);
QString printingCannotFinish();
QString printingCannotFinish(const QString &reason);
QString printingFailedOn(const QString &printer, const QString &reason);
QString documentEmpty();

} // namespace PlatformMessages
