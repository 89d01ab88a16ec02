#include "calendar/wizard/Wizard.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/PageScroll.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/wizard/ColorPanel.h"
#include "calendar/wizard/TForm3.h"
#include "platform/ui/Application.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"

#include "ui_TForm1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr int SettingsPage = 0;
constexpr int TextsPage = 2;
constexpr int PageCount = 3;
constexpr int PictureEdits = 13; // Edit1 the cover, Edit2..Edit13 January..December
constexpr int FirstTextEdit = 14;
constexpr int WizardEdits = 25;

TColor textColor() { return Form3->Panel(1)->Color(); }
TColor dayNameColor() { return Form3->Panel(2)->Color(); }
TColor fillColor() { return Form3->Panel(3)->Color(); }
TColor lineColor() { return Form3->Panel(4)->Color(); }

// The pictures of the wizard's thirteen picture edits, an empty one for an
// empty edit; fails with the error of the first picture that will not load.
Result<QList<Picture>> loadPictures()
{
    QList<Picture> pictures;
    for (int n = 1; n <= PictureEdits; ++n) {
        const QString fileName = Form3->Edit(n)->text();
        if (fileName.isEmpty()) {
            pictures.append(Picture());
            continue;
        }
        Result<Picture> loaded = Picture::load(fileName);
        if (!loaded)
            return Failure{loaded.error()};
        pictures.append(*std::move(loaded));
    }
    return pictures;
}

void showPage(int index)
{
    Form3->PageControl1->setCurrentIndex(index);
    Form3->Button(1)->setEnabled(index != SettingsPage);
    Form3->Button(2)->setText(index == TextsPage ? Form3->FinishCaption : Form3->NextCaption);
}

} // namespace

bool NewProjectWizard(const QString &untitledName)
{
    ResetWizard();
    Form3->UntitledProjectName = untitledName;
    return Form3->exec() == QDialog::Accepted;
}

void ResetWizard()
{
    TForm3 &wizard = *Form3;
    wizard.PageControl1->setCurrentIndex(SettingsPage);
    wizard.Button(1)->setEnabled(false);
    wizard.Button(2)->setText(wizard.NextCaption);
    wizard.SpinEdit1->setValue(Form2->Calendar1.year());
    wizard.Panel(1)->setColor(Colors::clBlue);
    wizard.Panel(2)->setColor(Colors::clRed);
    wizard.Panel(3)->setColor(Colors::clSilver);
    wizard.Panel(4)->setColor(Colors::clOlive);
    for (int n = 1; n <= WizardEdits; ++n)
        wizard.Edit(n)->clear();
}

void PickPanelColor(ColorPanel &panel)
{
    Form3->ColorDialog1.Color = panel.Color();
    if (Form3->ColorDialog1.Execute(Form3))
        panel.setColor(Form3->ColorDialog1.Color);
}

void BrowsePicture(QLineEdit &edit)
{
    if (Form3->OpenPictureDialog1.Execute(Form3))
        edit.setText(Form3->OpenPictureDialog1.FileName);
}

Result<> ApplyWizardToSmallKal(TSmallKal &control)
{
    control.setMuzuVykreslit(false);
    control.setBarvaPisma(dayNameColor());
    control.setBarvaPozadi(fillColor());
    control.setBarvaCary(lineColor());
    Result<> set = control.setYear(Form3->SpinEdit1->Value());
    control.setMuzuVykreslit(true);
    return set;
}

Result<> ApplyWizardToBigKal(TBigKal &control)
{
    control.setMuzuVykreslit(false);
    control.setBarvaCisel(textColor());
    control.setBarvaPisma(dayNameColor());
    control.setBarvaPozadi(fillColor());
    control.setBarvaCary(lineColor());
    Result<> set = control.setYear(Form3->SpinEdit1->Value());
    control.setMuzuVykreslit(true);
    return set;
}

Result<> ApplyYear(const TSpinEdit &spinEdit)
{
    TForm1 &form = *Form1;
    form.Label(1)->setText(QString::number(spinEdit.Value()));
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        form.Label(2 * month + 1)->setText(QString::number(spinEdit.Value()));
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        if (Result<> set = form.SmallKal(month)->setYear(spinEdit.Value()); !set)
            return set;
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        if (Result<> set = form.BigKal(month)->setYear(spinEdit.Value()); !set)
            return set;
    return {};
}

namespace {

Result<> applyWizard(const QList<Picture> &pictures)
{
    TForm3 &wizard = *Form3;
    TForm1 &form = *Form1;
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        if (Result<> applied = ApplyWizardToSmallKal(*form.SmallKal(month)); !applied)
            return applied;
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        if (Result<> applied = ApplyWizardToBigKal(*form.BigKal(month)); !applied)
            return applied;
    for (int n = 1; n <= PictureEdits; ++n)
        form.ImageKal(n)->setFileName(wizard.Edit(n)->text(), pictures.at(n - 1));
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        form.Edit(month)->setText(wizard.Edit(FirstTextEdit + month - 1)->text());
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        WidgetLook::setTextColor(form.Edit(month), textColor());
    WidgetLook::setTextColor(form.Label(1), dayNameColor());
    for (int n = 2; n <= 25; ++n)
        WidgetLook::setTextColor(form.Label(n), textColor());
    if (Result<> applied = ApplyYear(*wizard.SpinEdit1); !applied)
        return applied;
    form.Modified = false;
    form.setWindowTitle(QStringLiteral("Zoziruzo - ") + wizard.UntitledProjectName + QStringLiteral(".cpr"));
    ScrollProjectPages(form);
    form.ui->PageControl->setCurrentWidget(form.TabSheet(PageModel::ProjectSheet));
    form.ui->PageControl1->setCurrentWidget(form.TabSheet(PageModel::CoverPage));
    return {};
}

} // namespace

bool BuildProjectFromWizard()
{
    const Result<QList<Picture>> pictures = loadPictures();
    if (!pictures) {
        Application::showErrorBox(Form3, pictures.error());
        return false;
    }
    return Application::showErrorBox(Form3, applyWizard(*pictures));
}

void WizardNext()
{
    const int current = Form3->PageControl1->currentIndex();
    if (current == TextsPage) {
        if (BuildProjectFromWizard())
            Form3->accept();
        return;
    }
    showPage((current + 1) % PageCount);
}

void WizardBack()
{
    showPage((Form3->PageControl1->currentIndex() + PageCount - 1) % PageCount);
}
