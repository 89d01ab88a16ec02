// Opening and saving a year project whose 13 pictures are 1600 x 1200 JPEGs,
// beside djpeg decoding the same files; and the memory that opening a 48 MB
// single-month document of 9 lines and empty lines takes, beside opening the
// same 9 lines alone. Then photos of today's cameras: the time and peak
// memory of opening a year project of thirteen 8000 x 6000 photos, beside
// djpeg decoding the same files, and the peak memory of a single month of
// one 8000 x 6000 and of one 12000 x 8000 photo.
#include "benchmarks/PeakMemory.h"
#include "calendar/file-commands/FileMenu.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/app/DesignerStartup.h"
#include "calendar/main-window/TForm1.h"
#include "calendar-controls/picture/TImageKal.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PhotoFixtures.h"
#include "platform/pictures/Picture.h"
#include "platform/text/TextLineFile.h"
#include "platform/ui/Application.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct ProjectFolder
{
    QTemporaryDir dir;
    QStringList pictures;
    QString project;

    // Photos of `photoSize` written by cjpeg; none: drawn 1600 x 1200 ones.
    explicit ProjectFolder(QSize photoSize = {})
    {
        QDir(dir.path()).mkdir(QStringLiteral("Language"));
        written(TextLineFile::write(dir.filePath(QStringLiteral("Language/Česky.cln")), LanguageLines::builtInCzech()));
        written(TextLineFile::write(dir.filePath(QStringLiteral("Data.dat")), {LanguageLines::CzechFileName},
                                    TextLineFile::LastLine::Unterminated));
        QStringList lines(78);
        lines[0] = QStringLiteral("Application Zoziruzo - Project");
        for (int n = 0; n < 13; ++n) {
            pictures.append(dir.filePath(QStringLiteral("obrazek%1.jpg").arg(n)));
            if (photoSize.isEmpty())
                writePhoto(pictures.last(), n);
            else if (!PhotoFixtures::writePhoto(pictures.last(), photoSize, unsigned(n + 1)))
                std::fprintf(stderr, "cjpeg could not write %s\n", qPrintable(pictures.last()));
            lines[n + 1] = pictures.last();
        }
        lines[14] = QStringLiteral("2003");
        for (int line = 27; line < 78; ++line)
            lines[line] = QStringLiteral("clBlue");
        project = dir.filePath(QStringLiteral("Rok.cpr"));
        written(TextLineFile::write(project, lines));
    }

    // A folder the benchmark cannot fill measures nothing.
    static void written(const Result<> &result)
    {
        if (!result) {
            std::fprintf(stderr, "%s\n", qPrintable(result.error()));
            std::exit(1);
        }
    }

    // A picture with gradients, edges and fine detail, as a photograph has.
    static void writePhoto(const QString &path, int seed)
    {
        QImage image(1600, 1200, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb((x + seed * 20) % 256, (y * 3 + x / 7) % 256, ((x * y) >> 9) % 256);
        }
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 5));
        for (int i = 0; i < 40; ++i)
            painter.drawEllipse(QPoint((i * 97 + seed * 31) % 1600, (i * 53) % 1200), 60 + i, 40 + i);
        painter.end();
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(JpegCodec::encode(image, 85));
    }
};

ProjectFolder *g_folder = nullptr;
ProjectFolder *g_photos = nullptr;
std::unique_ptr<DesignerStartup> g_designer;

void OpenYearProject(benchmark::State &state)
{
    for (auto _ : state)
        FileMenu::ReadCalendarFile(g_folder->project);
}
BENCHMARK(OpenYearProject)->Unit(benchmark::kMillisecond)->UseRealTime();

// The decoding alone, to tell it from the work of the controls.
void loadThirteen(benchmark::State &state, const ProjectFolder &folder)
{
    for (auto _ : state)
        for (const QString &picture : folder.pictures)
            benchmark::DoNotOptimize(Picture::load(picture));
}

void LoadThirteenPictures(benchmark::State &state) { loadThirteen(state, *g_folder); }
BENCHMARK(LoadThirteenPictures)->Unit(benchmark::kMillisecond)->UseRealTime();

void djpegThirteen(benchmark::State &state, const ProjectFolder &folder)
{
    for (auto _ : state) {
        for (const QString &picture : folder.pictures) {
            const QByteArray command = "djpeg -outfile /dev/null " + QFile::encodeName(picture);
            if (std::system(command.constData()) != 0)
                state.SkipWithError("djpeg failed");
        }
    }
}
void DjpegSameThirteenFiles(benchmark::State &state) { djpegThirteen(state, *g_folder); }
BENCHMARK(DjpegSameThirteenFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 9 lines, then `emptyLines` empty lines ended by CR LF.
QString singleMonthDocument(const QString &name, qsizetype emptyLines)
{
    const QString path = g_folder->dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("Application Zoziruzo - Normal\r\n\r\n4\r\n2003\r\nText\r\nclOlive\r\nclSilver\r\nclRed\r\nclBlue\r\n");
    file.write(QByteArray("\r\n").repeated(emptyLines));
    return path;
}

void openSingleMonth(benchmark::State &state, qsizetype emptyLines)
{
    const QString path = singleMonthDocument(QStringLiteral("kveten-%1.cnr").arg(emptyLines), emptyLines);
    double peak = 0;
    for (auto _ : state)
        peak = std::max(peak, peakMegabytesOf([&path] { FileMenu::ReadCalendarFile(path); }));
    state.counters["peak_MB_above_idle"] = peak;
    QFile::remove(path);
}

void OpenNineLineDocument(benchmark::State &state) { openSingleMonth(state, 0); }
BENCHMARK(OpenNineLineDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenNineLinesAnd48MBOfEmptyLines(benchmark::State &state) { openSingleMonth(state, 24'000'000); }
BENCHMARK(OpenNineLinesAnd48MBOfEmptyLines)->Unit(benchmark::kMillisecond)->UseRealTime();

// The pictures of the designer's window let go, so that a measurement starts
// from the idle program.
void clearPictures()
{
    for (int n = 1; n <= 14; ++n)
        g_designer->mainWindow().ImageKal(n)->Clear();
}

void openMeasured(benchmark::State &state, const QString &path)
{
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        clearPictures();
        state.ResumeTiming();
        peak = std::max(peak, peakMegabytesOf([&path] { FileMenu::ReadCalendarFile(path); }));
    }
    state.counters["peak_MB_above_idle"] = peak;
    clearPictures();
}

void OpenYearProjectOf8000x6000Photos(benchmark::State &state) { openMeasured(state, g_photos->project); }
BENCHMARK(OpenYearProjectOf8000x6000Photos)->Unit(benchmark::kMillisecond)->UseRealTime();

void LoadThirteen8000x6000Photos(benchmark::State &state) { loadThirteen(state, *g_photos); }
BENCHMARK(LoadThirteen8000x6000Photos)->Unit(benchmark::kMillisecond)->UseRealTime();

void DjpegSameThirteen8000x6000Photos(benchmark::State &state) { djpegThirteen(state, *g_photos); }
BENCHMARK(DjpegSameThirteen8000x6000Photos)->Unit(benchmark::kMillisecond)->UseRealTime();

void openSingleMonthPhoto(benchmark::State &state, QSize size)
{
    const QString photo = g_photos->dir.filePath(QStringLiteral("foto-%1x%2.jpg").arg(size.width()).arg(size.height()));
    if (!PhotoFixtures::writePhoto(photo, size)) {
        state.SkipWithError("cjpeg failed");
        return;
    }
    const QString path = g_photos->dir.filePath(QStringLiteral("foto-%1.cnr").arg(size.width()));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("Application Zoziruzo - Normal\r\n" + QFile::encodeName(photo)
               + "\r\n4\r\n2003\r\nText\r\nclOlive\r\nclSilver\r\nclRed\r\nclBlue\r\n");
    file.close();
    openMeasured(state, path);
    QFile::remove(path);
    QFile::remove(photo);
}

void OpenSingleMonthOf8000x6000Photo(benchmark::State &state) { openSingleMonthPhoto(state, {8000, 6000}); }
BENCHMARK(OpenSingleMonthOf8000x6000Photo)->Unit(benchmark::kMillisecond)->UseRealTime();

void OpenSingleMonthOf12000x8000Photo(benchmark::State &state) { openSingleMonthPhoto(state, {12000, 8000}); }
BENCHMARK(OpenSingleMonthOf12000x8000Photo)->Unit(benchmark::kMillisecond)->UseRealTime();

void SaveYearProject(benchmark::State &state)
{
    FileMenu::ReadCalendarFile(g_folder->project);
    for (auto _ : state)
        FileMenu::WriteCalendarFile();
}
BENCHMARK(SaveYearProject)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv, QStringLiteral("Zoziruzo"));
    ProjectFolder folder;
    g_folder = &folder;
    ProjectFolder photos(QSize(8000, 6000));
    g_photos = &photos;
    g_designer = std::make_unique<DesignerStartup>(folder.dir.filePath(QStringLiteral("Vuvuzodi")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_designer.reset();
    return 0;
}
