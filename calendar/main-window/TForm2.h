#pragma once

#include "calendar-controls/memo/MemoLines.h"
#include "calendar/main-window/DesignState.h"
#include "calendar/main-window/ProgramFolder.h"
#include "platform/files/Drives.h"

#include <QDate>
#include <QIcon>
#include <QList>
#include <QStringList>

// The designer's hidden data: program folder, language files, today's date,
// the drives, two glyphs and the working line lists. Never shown.
class TForm2
{
public:
    struct FileList
    {
        QString Mask = QStringLiteral("*.cln");
        QString Directory;
        QStringList Items; // the language files found there, by name
    };

    TForm2();

    // Fixes the program folder from the program file (refusing a drive root
    // through `state`) and the language folder below it.
    void FormCreate(const QString &programFile, DesignState &state);

    DirectoryList DirectoryListBox1;
    FileList FileListBox1;
    QDate Calendar1;
    QList<Drives::Drive> DriveComboBox1;
    QIcon AbortBit;
    QIcon OKBit;
    StringListMemo CaptionMemo;       // the language lines in use
    QStringList DataMemo;             // lines of the settings file
    QStringList LanguageMemo;         // the built-in Czech language file
    QStringList KalFileMemo;          // a document being read or written
    QStringList CleanNormalMemo;      // template of a single-month document
    QStringList CleanProjectMemo;     // template of a year project
};

extern TForm2 *Form2;
