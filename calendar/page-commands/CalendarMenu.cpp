#include "calendar/page-commands/CalendarMenu.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/page-commands/CommandSupport.h"
#include "calendar/year-dialogs/TForm4.h"
#include "platform/pictures/Picture.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"

#include "ui_TForm1.h"

#include <QComboBox>
#include <QLineEdit>

using namespace PageModel;

namespace {

enum class Page { None, Cover, Month };

// A month page of the project and the single-month page have the same
// controls; the cover has its own.
Page shownPage()
{
    const int page = Form1->CurrentPage;
    if (page == CoverPage)
        return Page::Cover;
    if (page >= FirstMonthPage && page <= SingleMonthPage)
        return Page::Month;
    return Page::None;
}

PageControls shownControls()
{
    return controlsOf(Form1->CurrentPage);
}

TBigKal &shownGrid()
{
    return *Form1->BigKal(shownControls().bigKal);
}

// The shown page's picture control, or null with no page shown.
TImageKal *shownPicture()
{
    return shownPage() == Page::None ? nullptr : Form1->ImageKal(shownControls().imageKal);
}

// A colour command whose cover and month-page presets and targets differ.
template <typename CoverPreset, typename MonthPreset, typename CoverApply, typename MonthApply>
void pageColor(CoverPreset coverPreset, MonthPreset monthPreset, CoverApply coverApply, MonthApply monthApply)
{
    switch (shownPage()) {
    case Page::None:
        return;
    case Page::Cover:
        if (const auto color = chooseColor(*Form1, coverPreset()))
            coverApply(*color);
        return;
    case Page::Month:
        if (const auto color = chooseColor(*Form1, monthPreset()))
            monthApply(*color);
        return;
    }
}

} // namespace

Result<> LoadPagePicture()
{
    TImageKal *picture = shownPicture();
    if (!picture || !Form1->OpenPictureDialog1.Execute(Form1))
        return {};
    // Loaded before the page takes its name: a picture that fails leaves the
    // page, its name and the modified flag as they were.
    const QString &chosen = Form1->OpenPictureDialog1.FileName;
    Result<Picture> loaded = Picture::load(chosen);
    if (!loaded)
        return Failure{loaded.error()};
    picture->setFileName(chosen, *std::move(loaded));
    return {};
}

void ClearPagePicture()
{
    if (TImageKal *picture = shownPicture())
        picture->Clear();
}

void ApplyPageTextColor()
{
    pageColor([] { return WidgetLook::textColor(*Form1->Label(1)); },
              [] { return WidgetLook::textColor(*Form1->Edit(shownControls().edit)); },
              [](TColor color) {
                  setEverySmallMonth(*Form1, &MonthControl::setBarvaPisma, color);
                  WidgetLook::setTextColor(Form1->Label(1), color);
              },
              [](TColor color) {
                  const PageControls controls = shownControls();
                  shownGrid().setBarvaCisel(color);
                  WidgetLook::setTextColor(Form1->Edit(controls.edit), color);
                  WidgetLook::setTextColor(Form1->Label(controls.monthLabel), color);
                  WidgetLook::setTextColor(Form1->Label(controls.yearLabel), color);
              });
}

// The cover has no large grid: its menu item is disabled there.
void ApplyPageDayNameColor()
{
    if (shownPage() != Page::Month)
        return;
    if (const auto color = chooseColor(*Form1, shownGrid().BarvaPisma()))
        shownGrid().setBarvaPisma(*color);
}

void ApplyPageFillColor()
{
    pageColor([] { return Form1->SmallKal(1)->BarvaPozadi(); }, [] { return shownGrid().BarvaPozadi(); },
              [](TColor color) { setEverySmallMonth(*Form1, &MonthControl::setBarvaPozadi, color); },
              [](TColor color) { shownGrid().setBarvaPozadi(color); });
}

void ApplyPageLineColor()
{
    pageColor([] { return Form1->SmallKal(1)->BarvaCary(); }, [] { return shownGrid().BarvaCary(); },
              [](TColor color) { setEverySmallMonth(*Form1, &MonthControl::setBarvaCary, color); },
              [](TColor color) { shownGrid().setBarvaCary(color); });
}

Result<> ChangeDocumentMonthYear()
{
    TForm1 &form = *Form1;
    Form4->ComboBox1->setCurrentIndex(form.DocMonth);
    const Result<int> year = integerOfCaption(form.Label(27)->text());
    if (!year)
        return Failure{year.error()};
    Form4->SpinEdit1->setValue(*year);
    form.OldYear = *year;
    form.OldMonth = form.DocMonth;
    Form4->exec();
    return {};
}

void ConnectPageMenu(TForm1 &form)
{
    const Ui::TForm1 &ui = *form.ui;
    connectCommand(form, ui.NastavitBT, ApplyPageTextColor);
    connectCommand(form, ui.NastavitBD, ApplyPageDayNameColor);
    connectCommand(form, ui.NastavitBV, ApplyPageFillColor);
    connectCommand(form, ui.NastavitBC, ApplyPageLineColor);
    connectCommand(form, ui.VymazatO, ClearPagePicture);
    connectCommand(form, ui.NacistO, LoadPagePicture);
    connectCommand(form, ui.ZmenitRM, ChangeDocumentMonthYear);
}
