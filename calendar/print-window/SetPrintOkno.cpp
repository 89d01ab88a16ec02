#include "calendar/print-window/SetPrintOkno.h"

#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/TForm7.h"
#include "platform/files/PathResolver.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

namespace SetPrintOkno {

namespace {

void setAllPages(TForm7 &form, bool checked)
{
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        form.CheckBox(n)->setChecked(checked);
}

int checkedPages(const TForm7 &form)
{
    int count = 0;
    for (int n = 1; n <= TForm7::PageBoxes; ++n)
        count += form.CheckBox(n)->isChecked() ? 1 : 0;
    return count;
}

} // namespace

void CheckAllPages(TForm7 &form)
{
    setAllPages(form, true);
}

void UncheckAllPages(TForm7 &form)
{
    setAllPages(form, false);
}

void ResetSelectButton(TForm7 &form)
{
    form.BitBtn1->setIcon(form.form2().AbortBit);
    form.BitBtn1->setToolTip(form.form2().CaptionMemo.line(LanguageLines::DeselectHintLine));
    form.SelectToggle = 0;
    CheckAllPages(form);
}

void CountCheckedPages(TForm7 &form)
{
    form.PageCount = checkedPages(form);
}

void UpdatePrintButton(TForm7 &form)
{
    form.Button1->setEnabled(checkedPages(form) > 0);
}

void RememberPages(TForm7 &form, int mode)
{
    for (int n = 1; n <= TForm7::PageBoxes; ++n) {
        bool &remembered = form.RememberedPages[n - 1];
        if (mode == 0)
            remembered = form.CheckBox(n)->isChecked();
        else if (mode == 1)
            form.CheckBox(n)->setChecked(remembered);
    }
}

void InitRememberedPages(TForm7 &form)
{
    form.RememberedPages.fill(true);
}

void SetStartFolder(const QList<Drives::Drive> &drives, const QString &programFolder)
{
    for (const Drives::Drive &drive : drives) {
        if (drive.kind != Drives::Kind::Fixed)
            continue;
        const QString candidate = PathResolver::resolve(drive.root, QStringLiteral("Dokumenty"));
        if (QFileInfo(candidate).isDir()) {
            QDir::setCurrent(candidate);
            return;
        }
    }
    QDir::setCurrent(programFolder);
}

} // namespace SetPrintOkno
