#include "calendar/language/LanguageMenu.h"

#include "calendar/captions/Captions.h"
#include "calendar/dialogs/KalDialogs.h"
#include "calendar/file-commands/DocumentControls.h"
#include "calendar/file-commands/FileMenu.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/language/TForm6.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "platform/files/FileSystem.h"
#include "platform/files/PathResolver.h"
#include "platform/text/TextLineFile.h"
#include "platform/ui/Application.h"

#include <QAction>
#include <QCollator>
#include <QDir>

#include <algorithm>

namespace LanguageMenu {

namespace {

constexpr int MenuItemCount = 10;

enum class Attempt { Accepted, Again, ProgramEnds };

QString programFolder() { return Form2->DirectoryListBox1.Directory; }

QString settingsPath() { return PathResolver::resolve(programFolder(), QStringLiteral("Data.dat")); }

QString languagePath(const QString &name)
{
    return PathResolver::resolve(Form2->FileListBox1.Directory, name);
}

QString currentSetting() { return Form2->DataMemo.value(0); }

void setSetting(const QString &name)
{
    if (Form2->DataMemo.isEmpty())
        Form2->DataMemo.append(name);
    else
        Form2->DataMemo[0] = name;
}

// Written back exactly as held: a file the program made has no line end.
// A file that holds these bytes already is left alone, so that a start with
// unchanged settings does not replace it and wait for the disk.
Result<> writeSettings()
{
    const QString path = settingsPath();
    const TextLineFile::LastLine last = TextLineFile::LastLine::Unterminated;
    const Result<QByteArray> held = FileSystem::readWholeFile(path);
    if (held && *held == TextLineFile::encode(Form2->DataMemo, last))
        return {};
    return TextLineFile::write(path, Form2->DataMemo, last);
}

Result<> writeBuiltInCzech()
{
    return TextLineFile::write(languagePath(LanguageLines::CzechFileName), Form2->LanguageMemo,
                               TextLineFile::LastLine::Terminated);
}

// Sorted as the users' file lists sort them: Česky between C and D.
QStringList listLanguageFiles()
{
    QDir folder(Form2->FileListBox1.Directory);
    QStringList files = folder.entryList({Form2->FileListBox1.Mask}, QDir::Files);
    QCollator order{QLocale(QLocale::Czech)};
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(files.begin(), files.end(), order);
    return files;
}

QString withoutExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

void checkMenuItem(int index)
{
    for (int n = 1; n <= MenuItemCount; ++n)
        Form1->Jazyk(n)->setChecked(n == index + 1);
}

void updateMonthLabel()
{
    Form1->Label(26)->setText(DocumentControls::monthName(Form2->CaptionMemo, Form1->DocMonth));
}

// The calendar controls read the lines in use at every drawing: they draw
// the new ones at once, whatever step of the change fails later.
void setLanguageLines(const QStringList &lines)
{
    Form2->CaptionMemo.setLines(lines);
    RedrawMonthControls();
}

// The lines become the language in use; an error stops the steps there.
Result<> useLanguage(int index, const QStringList &lines)
{
    setLanguageLines(lines);
    checkMenuItem(index);
    setSetting(Form1->Jazyk(index + 1)->text() + QStringLiteral(".cln"));
    if (Result<> written = writeSettings(); !written)
        return written;
    if (Result<> applied = ApplyCaptions(); !applied)
        return applied;
    updateMonthLabel();
    return {};
}

// Kind 1 handling: tell, reset to Czech, try again; when even the reset
// fails, ask for the settings file as if it were missing.
Attempt askForSettings();

Attempt resetAfterLoadError()
{
    KalShowMessage(MakeLanguageMessage(1).message);
    if (!CreateDefaultSettings())
        return askForSettings();
    return Attempt::Again;
}

Attempt askForSettings()
{
    Form6->ShowModal();
    if (FileSystem::fileExists(settingsPath()))
        return Attempt::Again;
    Form1->NoSaveQuery = true;
    Form1->close();
    return Attempt::ProgramEnds;
}

// A rejected file at start-up: Czech settings, and the Czech file written
// again when it was the one rejected or is missing.
Attempt resetAfterRejection(const QString &name)
{
    const LanguageMessage text = MakeLanguageMessage(2);
    KalShowMessage(text.message + name + QStringLiteral("!\r") + text.fallback);
    setSetting(LanguageLines::CzechFileName);
    if (!writeSettings())
        return resetAfterLoadError();
    const bool czechRejected = name == LanguageLines::CzechFileName;
    const bool czechExists = FileSystem::fileExists(languagePath(LanguageLines::CzechFileName));
    if (czechRejected == czechExists && !writeBuiltInCzech())
        return resetAfterLoadError();
    return Attempt::Again;
}

Attempt LoadLanguageAtStart(const QStringList &files, int index)
{
    if (index < 0 || index >= MenuItemCount)
        return resetAfterLoadError();
    const QString name = files.at(index);
    const Result<QStringList> lines = TextLineFile::read(languagePath(name));
    if (!lines)
        return resetAfterLoadError();
    if (!LanguageLines::isAccepted(*lines))
        return resetAfterRejection(name);
    if (!useLanguage(index, *lines))
        return resetAfterLoadError();
    return Attempt::Accepted;
}

Attempt attemptStartup()
{
    const QStringList files = listLanguageFiles();
    Form2->FileListBox1.Items = files;
    FillLanguageMenu();
    const Result<QStringList> settings = TextLineFile::read(settingsPath());
    if (!settings)
        return askForSettings();
    Form2->DataMemo = *settings;
    int index = -1;
    for (int i = 0; i < files.size() && index < 0; ++i) {
        if (files.at(i).compare(currentSetting(), Qt::CaseInsensitive) == 0)
            index = i;
    }
    return LoadLanguageAtStart(files, index);
}

// What stays when no attempt succeeded: the built-in lines, from memory.
void useBuiltInCzech()
{
    const LanguageMessage text = MakeLanguageMessage(1);
    KalShowMessage(text.fallback);
    setLanguageLines(Form2->LanguageMemo);
    checkMenuItem(-1);
    if (const Result<> applied = ApplyCaptions(); !applied)
        Application::showErrorBox(QApplication::activeWindow(), applied.error());
    updateMonthLabel();
}

} // namespace

void InitLanguage()
{
    for (int attempt = 1; attempt <= MaxStartupAttempts; ++attempt) {
        switch (attemptStartup()) {
        case Attempt::Accepted:
            FileMenu::NewCalendar();
            return;
        case Attempt::ProgramEnds:
            return;
        case Attempt::Again:
            break;
        }
    }
    useBuiltInCzech();
    FileMenu::NewCalendar();
}

void FillLanguageMenu()
{
    const QStringList &files = Form2->FileListBox1.Items;
    for (int i = 0; i < MenuItemCount && i < files.size(); ++i) {
        QAction *item = Form1->Jazyk(i + 1);
        item->setText(withoutExtension(files.at(i)));
        item->setVisible(true);
    }
}

void Connect(TForm1 &form)
{
    for (int n = 1; n <= 10; ++n)
        QObject::connect(form.Jazyk(n), &QAction::triggered, &form, [n] { ChangeLanguage(n - 1); });
}

void ChangeLanguage(int index)
{
    const QString name = Form2->FileListBox1.Items.value(index);
    const QString path = languagePath(name);
    const Result<QStringList> lines = TextLineFile::read(path);
    if (!lines) {
        Application::showErrorBox(QApplication::activeWindow(), lines.error());
        return;
    }
    if (!LanguageLines::isAccepted(*lines)) {
        KalShowMessage(MakeLanguageMessage(2).message + name + QStringLiteral("!"));
        return;
    }
    if (const Result<> used = useLanguage(index, *lines); !used)
        Application::showErrorBox(QApplication::activeWindow(), used.error());
}

Result<> CreateDefaultSettings()
{
    setSetting(LanguageLines::CzechFileName);
    if (Result<> written = writeSettings(); !written)
        return written;
    if (!FileSystem::fileExists(languagePath(LanguageLines::CzechFileName)))
        return writeBuiltInCzech();
    return {};
}

LanguageMessage MakeLanguageMessage(int kind)
{
    const bool czech = currentSetting() == LanguageLines::CzechFileName;
    LanguageMessage text;
    text.fallback = czech ? QStringLiteral("Bude použito základní nastavení!")
                          : QStringLiteral("Primary setting will use!");
    if (kind == 1)
        text.message = (czech ? QStringLiteral("Nenalezen soubor s jazykovým nastavením:")
                              : QStringLiteral("File with language's setting wasn't find:"))
                       + currentSetting() + QStringLiteral(".\r") + text.fallback;
    else if (kind == 2)
        text.message = czech ? QStringLiteral("Chyba v souboru ") : QStringLiteral("Error in file ");
    return text;
}

} // namespace LanguageMenu
