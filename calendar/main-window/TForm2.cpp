#include "calendar/main-window/TForm2.h"

#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/LazyStandardIcon.h"
#include "platform/files/PathResolver.h"

TForm2 *Form2 = nullptr;

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
    // The mount table is read once: it is slow to read and parse.
    DriveComboBox1 = Drives::list();
    SetProgramFolder(DirectoryListBox1, programFile, DriveComboBox1, state);
    FileListBox1.Directory = PathResolver::resolve(DirectoryListBox1.Directory, QStringLiteral("Language"));
    AbortBit = lazyStandardIcon(QStyle::SP_DialogCancelButton);
    OKBit = lazyStandardIcon(QStyle::SP_DialogOkButton);
}
