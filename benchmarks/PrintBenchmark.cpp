// Printing a 13-page year project with a 640 x 480 JPEG picture on every
// page: laid out into a PDF file, and through the CUPS queue from the press
// of Tisk until the job has left the queue.

#include "calendar-controls/picture/TImageKal.h"
#include "calendar/app/DesignerStartup.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/print-window/SetPrintOkno.h"
#include "calendar/print-window/TForm7.h"
#include "calendar/test-support/PrintWindowTestLines.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/printing/Printing.h"

#include <benchmark/benchmark.h>
#include <cups/cups.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

struct Project
{
    QTemporaryDir dir;
    std::unique_ptr<TForm2> form2 = std::make_unique<TForm2>();
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm7> form7;

    Project()
    {
        form2->CaptionMemo.setLines(printWindowTestLines());
        form1 = std::make_unique<TForm1>(&form2->CaptionMemo);
        form7 = std::make_unique<TForm7>(*form1, *form2);
        Form7 = form7.get();
        for (int n = 1; n <= 13; ++n) {
            const QString path = dir.filePath(QStringLiteral("obrazek%1.jpg").arg(n));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(JpegCodec::encode(photo(n))) <= 0)
                std::abort();
            file.close();
            if (!form1->ImageKal(n)->setFileName(path))
                std::abort();
            if (n <= 12)
                form1->Edit(n)->setText(QStringLiteral("Text měsíce %1").arg(n));
        }
    }
    ~Project() { Form7 = nullptr; }

    // A picture with detail everywhere, as a photograph has.
    static QImage photo(int seed)
    {
        QImage image(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x * seed) & 255, (y * 3 + x) & 255, ((x ^ y) * seed) & 255));
        return image;
    }

    void pressTisk()
    {
        SetPrintOkno::CheckAllPages(*form7);
        form7->Button1Click();
        if (form7->PageCount != 13)
            std::abort();
    }
};

Project &project()
{
    static Project instance;
    return instance;
}

int activeJobs(const char *printer)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, printer, 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(count, jobs);
    return count;
}

void BM_PrintYearProjectToPdf(benchmark::State &state)
{
    Project &p = project();
    const QString pdf = p.dir.filePath(QStringLiteral("rok.pdf"));
    const Printing::PdfRedirect redirect(pdf);
    for (auto _ : state)
        p.pressTisk();
    state.counters["pdf_bytes"] = double(QFile(pdf).size());
}
BENCHMARK(BM_PrintYearProjectToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintYearProjectThroughCups(benchmark::State &state)
{
    Project &p = project();
    const QString printer = QPrinterInfo::defaultPrinterName();
    if (printer.isEmpty()) {
        state.SkipWithError("no default CUPS printer");
        return;
    }
    const QByteArray name = printer.toLocal8Bit();
    p.form1->Printer().setPrinterName(printer);
    for (auto _ : state) {
        p.pressTisk();
        while (activeJobs(name.constData()) > 0)
            QThread::msleep(5);
    }
}
BENCHMARK(BM_PrintYearProjectThroughCups)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zoziruzo"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
