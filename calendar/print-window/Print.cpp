#include "calendar/print-window/Print.h"

#include "calendar-controls/printing/PagePrinting.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PrintRoute.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/TForm7.h"
#include "platform/paint/Canvas.h"
#include "platform/printing/Printing.h"
#include "platform/ui/Application.h"

#include "ui_TForm1.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

using namespace PagePrinting;

namespace {

constexpr int CoverBox = 1;
constexpr int DecemberBox = 13;

QString documentName()
{
    return QCoreApplication::applicationName();
}

TColor textColorOf(const QWidget &control, QPalette::ColorRole role)
{
    return TColor::fromQColor(control.palette().color(role));
}

// Month page m (1..12) of the project; 0 is the single-month document.
MonthPage monthPage(const TForm1 &form, int month)
{
    const bool single = month == 0;
    const int imageKal = single ? 14 : month + 1;
    const int bigKal = single ? 13 : month;
    const int monthLabel = single ? 26 : 2 * month;
    const int edit = single ? 13 : month;
    return {form.ImageKal(imageKal),
            form.BigKal(bigKal),
            form.Label(monthLabel)->text(),
            form.Label(monthLabel + 1)->text(),
            form.Edit(edit)->text(),
            textColorOf(*form.Edit(edit), QPalette::Text)};
}

CoverPage coverPage(const TForm1 &form)
{
    CoverPage page{form.Label(1)->text(), textColorOf(*form.Label(1), QPalette::WindowText), form.ImageKal(1), {}};
    for (int month = 1; month <= 12; ++month)
        page.months[month - 1] = form.SmallKal(month);
    return page;
}

void keepPictureRect(TForm7 &form, const std::optional<PageRect> &rect)
{
    if (rect)
        form.PictureRect = *rect;
}

// The caption shows at once, while the job still holds the program.
void showProgress(TForm7 &form, const QString &caption)
{
    form.setWindowTitle(caption);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void drawProjectPage(TForm7 &form, Printing::PrintJob &job, int box)
{
    const TForm1 &main = form.form1();
    if (box == CoverBox)
        keepPictureRect(form, PrintCoverPage(job.painter(), coverPage(main)));
    else
        keepPictureRect(form, PrintMonthPage(job.painter(), monthPage(main, box - 1), job.pageHeight()));
}

} // namespace

void TiskClick(TForm1 &form1, TForm7 &form7)
{
    switch (printRouteFor(form1.DocKind)) {
    case PrintRoute::PrinterDialog:
        if (form1.PrintDialog1())
            PrintCalendarPage(form7, *form1.ui->Tisk);
        break;
    case PrintRoute::PrintWindow:
        form7.exec();
        break;
    case PrintRoute::Nothing:
        break;
    }
}

void ConnectPrintCommand(TForm1 &form1, TForm7 &form7)
{
    QObject::connect(form1.ui->Tisk, &QAction::triggered, &form7, [&form1, &form7] { TiskClick(form1, form7); });
}

int progressPercent(int page, int pageCount)
{
    return Canvas::roundHalfEven(static_cast<double>(100.0L / pageCount * page));
}

void PrintCalendarPage(TForm7 &form, QAction &tisk)
{
    TForm1 &main = form.form1();
    tisk.setEnabled(false);
    const Result<> printed =
        Printing::print(main.Printer(), documentName(), [&](Printing::PrintJob &job) {
            keepPictureRect(form, PrintMonthPage(job.painter(), monthPage(main, 0), job.pageHeight()));
            return Result<>();
        });
    tisk.setEnabled(true);
    if (!printed)
        Application::showErrorBox(&main, printed.error());
}

void PrintProjectPages(TForm7 &form)
{
    const QString caption = form.form2().CaptionMemo.line(LanguageLines::PrintCaptionLine);
    form.setEnabled(false);
    const Result<> printed =
        Printing::print(form.form1().Printer(), documentName(), [&](Printing::PrintJob &job) {
            int page = 1;
            for (int box = CoverBox; box <= DecemberBox; ++box) {
                if (!form.CheckBox(box)->isChecked())
                    continue;
                drawProjectPage(form, job, box);
                if (box == DecemberBox) {
                    showProgress(form, caption + QStringLiteral(" 100%"));
                    continue;
                }
                if (page != form.PageCount) {
                    if (Result<> started = job.newPage(); !started)
                        return started;
                }
                showProgress(form, QStringLiteral("%1 %2%").arg(caption).arg(progressPercent(page, form.PageCount)));
                ++page;
            }
            return Result<>();
        });
    form.setEnabled(true);
    if (!printed) {
        form.setWindowTitle(caption);
        Application::showErrorBox(&form, printed.error());
        return;
    }
    form.close();
    form.setWindowTitle(caption);
}
