#include "calendar/main-window/TForm2.h"

#include "calendar/language/LanguageLines.h"
#include "platform/files/PathResolver.h"

#include <QApplication>
#include <QStyle>

namespace {

QStringList emptyLines(int count)
{
    return QStringList(count, QString());
}

} // namespace

TForm2::TForm2()
    : Calendar1(QDate::currentDate()), LanguageMemo(LanguageLines::builtInCzech()), CleanNormalMemo(emptyLines(9)),
      CleanProjectMemo(emptyLines(78))
{
}

void TForm2::FormCreate(const QString &programFile, DesignState &state)
{
    SetProgramFolder(DirectoryListBox1, programFile, state);
    FileListBox1.Directory = PathResolver::resolve(DirectoryListBox1.Directory, QStringLiteral("Language"));
    DriveComboBox1 = Drives::list();
    AbortBit = QApplication::style()->standardIcon(QStyle::SP_DialogCancelButton);
    OKBit = QApplication::style()->standardIcon(QStyle::SP_DialogOkButton);
}
