#include "calendar/file-commands/FileMenu.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar/captions/CaptionCopies.h"
#include "calendar/dialogs/KalDialogs.h"
#include "calendar/documents/CalendarDocument.h"
#include "calendar/file-commands/DocumentControls.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/PageScroll.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/messages/DesignerMessages.h"
#include "calendar/wizard/Wizard.h"
#include "platform/files/FileSystem.h"
#include "platform/ui/Application.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"

#include "ui_TForm1.h"

#include <QAction>
#include <QLineEdit>

namespace FileMenu {

using namespace LanguageLines;

namespace {

QString languageLine(int index)
{
    return Form2->CaptionMemo.line(index);
}

QString extensionOf(int docKind)
{
    return docKind == 1 ? QStringLiteral(".cpr") : QStringLiteral(".cnr");
}

void setTitle(const QString &fileName)
{
    Form1->setWindowTitle(QStringLiteral("Zoziruzo - ") + fileName);
}

// A project's save target carries no extension once it is written (Rok for
// Rok.cpr), so Save as offers the bare name again. A name with more dots
// keeps its extension: without it the next save would take an inner dot for
// the extension's (Rok.2003.cpr would become Rok.cpr).
QString projectSaveTarget(const QString &target)
{
    const QString bare = CalendarDocument::withExtension(target, QString());
    return CalendarDocument::fileNameOf(bare).contains(u'.') ? target : bare;
}

void linkTo(const QString &target)
{
    Form1->OpenDialog1.FileName = target;
    if (Form1->DocKind != 1)
        Form1->SaveDialog1.FileName = target;
    Form1->SaveDialog1.Tag = 1;
    Form1->Modified = false;
    setTitle(CalendarDocument::fileNameOf(target));
}

void showSingleMonth()
{
    Form1->ui->PageControl->setCurrentWidget(Form1->TabSheet(PageModel::SingleMonthPage));
}

void showProject()
{
    Form1->ui->PageControl->setCurrentWidget(Form1->TabSheet(PageModel::ProjectSheet));
    Form1->ui->PageControl1->setCurrentWidget(Form1->TabSheet(PageModel::CoverPage));
}

// The forced extension may name another file than the one the dialog asked
// about; that one is asked about again. False when the user cancels.
bool chooseSaveName(SaveDialog &dialog)
{
    for (;;) {
        if (!dialog.Execute(Form1))
            return false;
        const QString target = targetOf(dialog.FileName, Form1->DocKind);
        if (target == dialog.FileName || !FileSystem::fileExists(target))
            return true;
        const QString question = DesignerMessages::replaceQuestion(CalendarDocument::fileNameOf(target));
        if (MessageBox::show(Form1, question, dialog.Title, MessageBox::Yes | MessageBox::No,
                             MessageBox::Icon::Warning, MessageBox::No)
            == MessageBox::Result::Yes)
            return true;
    }
}

} // namespace

QString targetOf(const QString &saveTarget, int docKind)
{
    return CalendarDocument::withExtension(saveTarget, extensionOf(docKind));
}

void Connect(TForm1 &form)
{
    const Ui::TForm1 &ui = *form.ui;
    QObject::connect(ui.Novy, &QAction::triggered, &form, &NovyClick);
    QObject::connect(ui.NovyP, &QAction::triggered, &form, &NovyPClick);
    QObject::connect(ui.Otevrit, &QAction::triggered, &form, &OtevritClick);
    QObject::connect(ui.Ulozit, &QAction::triggered, &form, &SaveCalendar);
    QObject::connect(ui.UlozitJ, &QAction::triggered, &form, &SaveCalendarAs);
    form.OnCloseQuery = [] { return !AskSaveChanges(); };
}

void NovyClick()
{
    if (!AskSaveChanges())
        NewCalendar();
}

void NovyPClick()
{
    if (!AskSaveChanges())
        NewProject();
}

void OtevritClick()
{
    if (!AskSaveChanges())
        OpenCalendarFile();
}

bool AskSaveChanges()
{
    Form1->SaveCancelled = false;
    if (Form1->Modified && !Form1->NoSaveQuery) {
        switch (KalMessageDlg(languageLine(SaveQuestionLine), TMsgDlgType::mtConfirmation,
                              {mbYes, mbNo, mbCancel}, 0)) {
        case ModalResult::mrYes:
            SaveCalendar();
            break;
        case ModalResult::mrNo:
            break;
        default:
            Form1->SaveCancelled = true;
            break;
        }
    }
    return Form1->SaveCancelled;
}

void NewCalendar()
{
    TForm1 &window = *Form1;
    window.ImageKal(14)->Clear();
    const QDate today = Form2->Calendar1;
    window.DocMonth = today.month() - 1;
    window.Label(26)->setText(DocumentControls::monthName(Form2->CaptionMemo, window.DocMonth));
    window.Label(27)->setText(QString::number(today.year()));
    window.Edit(13)->clear();
    for (QWidget *font : {static_cast<QWidget *>(window.Label(26)), static_cast<QWidget *>(window.Label(27)),
                          static_cast<QWidget *>(window.Edit(13))})
        WidgetLook::setTextColor(font, Colors::clBlue);
    TBigKal &grid = *window.BigKal(13);
    grid.setMonth(window.DocMonth + 1);
    // Today's year is within the grid's years.
    (void)grid.setYear(today.year());
    grid.setBarvaCary(Colors::clOlive);
    grid.setBarvaPozadi(Colors::clSilver);
    grid.setBarvaPisma(Colors::clRed);
    grid.setBarvaCisel(Colors::clBlue);
    window.SaveDialog1.FileName = CaptionCopies::UntitledName() + QStringLiteral(".cnr");
    window.SaveDialog1.Tag = 0;
    window.Modified = false;
    setTitle(CaptionCopies::UntitledName() + QStringLiteral(".cnr"));
    ScrollSinglePage(*Form1);
    showSingleMonth();
}

// The untitled save target is set only once the wizard has built the
// project: a cancelled wizard leaves the shown document linked as it was.
void NewProject()
{
    if (!NewProjectWizard(CaptionCopies::UntitledName()))
        return;
    Form1->SaveDialog1.FileName = CaptionCopies::UntitledName() + QStringLiteral(".cpr");
    Form1->SaveDialog1.Tag = 0;
}

void OpenCalendarFile()
{
    if (Form1->OpenDialog1.Execute(Form1))
        ReadCalendarFile(Form1->OpenDialog1.FileName);
}

void ReadCalendarFile(const QString &path)
{
    const Result<QStringList> lines = CalendarDocument::readFile(path);
    if (!lines) {
        Application::showErrorBox(QApplication::activeWindow(), lines.error());
        return;
    }
    const Result<DocumentControls::Outcome> read = DocumentControls::apply(*Form1, *lines);
    if (!read) {
        Application::showErrorBox(QApplication::activeWindow(), read.error());
        return;
    }
    switch (*read) {
    case DocumentControls::Outcome::NotADocument:
        KalShowMessage(languageLine(InvalidFileLine));
        return;
    case DocumentControls::Outcome::SingleMonth:
    case DocumentControls::Outcome::Project:
        break;
    }
    const bool project = *read == DocumentControls::Outcome::Project;
    Form1->SaveDialog1.FileName = targetOf(path, project ? 1 : 0);
    Form1->SaveDialog1.Tag = 1;
    Form1->Modified = false;
    setTitle(CalendarDocument::fileNameOf(path));
    if (project) {
        ScrollProjectPages(*Form1);
        showProject();
    } else {
        ScrollSinglePage(*Form1);
        showSingleMonth();
    }
}

void SaveCalendar()
{
    if (Form1->SaveDialog1.Tag == 0)
        SaveCalendarAs();
    else
        WriteCalendarFile();
}

void SaveCalendarAs()
{
    TForm1 &window = *Form1;
    const bool project = window.DocKind == 1;
    window.SaveDialog1.Filter =
        languageLine(project ? ProjectFilterLine : SingleMonthFilterLine) + (project ? QStringLiteral("|*.cpr")
                                                                                     : QStringLiteral("|*.cnr"));
    window.SaveDialog1.DefaultExt = project ? QStringLiteral("cpr") : QStringLiteral("cnr");
    // The dialog's own FileName stays the save target until a name is chosen.
    SaveDialog dialog = window.SaveDialog1;
    if (!chooseSaveName(dialog)) {
        window.SaveCancelled = true;
        return;
    }
    window.SaveDialog1.FileName = dialog.FileName;
    WriteCalendarFile();
}

void WriteCalendarFile()
{
    TForm1 &window = *Form1;
    const QString target = targetOf(window.SaveDialog1.FileName, window.DocKind);
    // Before the write, so that a failed one has changed it too.
    if (window.DocKind == 1)
        window.SaveDialog1.FileName = projectSaveTarget(target);
    const QStringList lines = window.DocKind == 1
                                  ? CalendarDocument::write(DocumentControls::collectProject(window))
                                  : CalendarDocument::write(DocumentControls::collectSingleMonth(window));
    if (!CalendarDocument::writeFile(target, lines)) {
        KalShowMessage(languageLine(SaveErrorLine));
        window.SaveCancelled = true;
        return;
    }
    linkTo(target);
}


} // namespace FileMenu
