// Hostile metafiles as big as the read limit lets them be: loading and
// drawing each at its natural size, beside reading the same file's bytes.
// Past the bounds on saved states, objects and points a file is refused
// at once; at the bounds it loads and draws.
#include "benchmarks/PeakMemory.h"
#include "platform/files/FileSystem.h"
#include "platform/pictures/MetafileFixtures.h"
#include "platform/pictures/Picture.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <functional>

namespace {

QTemporaryDir *g_dir = nullptr;

QString written(const QString &name, const std::function<QByteArray()> &make)
{
    const QString path = g_dir->filePath(name);
    if (!QFile::exists(path)) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(make());
    }
    return path;
}

void readOnly(benchmark::State &state, const QString &path)
{
    double peak = 0;
    for (auto _ : state)
        peak = std::max(peak, peakMegabytesOf([&path] { benchmark::DoNotOptimize(FileSystem::readWholeFile(path)); }));
    state.counters["peak_MB_above_idle"] = peak;
    state.counters["file_MB"] = double(QFile(path).size()) / (1 << 20);
}

void loadAndDraw(benchmark::State &state, const QString &path)
{
    double peak = 0;
    bool loaded = false;
    for (auto _ : state)
        peak = std::max(peak, peakMegabytesOf([&] {
            const Result<Picture> picture = Picture::load(path);
            loaded = bool(picture);
            if (picture)
                benchmark::DoNotOptimize(picture->toImage());
        }));
    state.counters["peak_MB_above_idle"] = peak;
    state.counters["loaded"] = loaded;
}

using namespace MetafileFixtures;

// 60 MB of nested SAVEDC records, 6 bytes each.
QString saves() { return written("saves.wmf", [] { return nestedSaves(false, 10'000'000); }); }
// 100 MB of palettes, 10 bytes each.
QString palettes() { return written("palettes.wmf", [] { return objectFlood(false, 10'000'000); }); }
// 40 MB: one hairline polyline of 5 M points (of 8 bytes as 32-bit points;
// here 16-bit, 20 MB).
QString polyline() { return written("polyline.emf", [] { return longPolylines(1, 5'000'000, 0, 1000); }); }
// 250 MB: polylines of as many points as a record may hold, past the points a file may hold.
QString pastFilePoints() { return written("past.emf", [] { return longPolylines(240, 262'144, 3, 1000); }); }
// 16 MB: as many points as a file may hold, in polylines 3 wide whose lines
// zigzag over 100 pixels, each crossing all the others.
QString wideLines() { return written("wide.emf", [] { return longPolylines(16, 262'144, 3, 100); }); }
// The same drawn as hairlines.
QString hairlines() { return written("hairlines.emf", [] { return longPolylines(16, 262'144, 0, 100); }); }
// The same with no two lines alike, so none is drawn only once for many.
QString distinctWideLines() { return written("distinct-wide.emf", [] { return distinctLongPolylines(16, 262'144, 3, 100); }); }
QString distinctHairlines() { return written("distinct-hairlines.emf", [] { return distinctLongPolylines(16, 262'144, 0, 100); }); }
// The same, dashed, and as beziers through those points.
QString distinctDashedLines() { return written("distinct-dashed.emf", [] { return distinctLongPolylines(16, 262'144, 3, 100, U_PS_DASH); }); }
QString distinctWideCurves() { return written("distinct-curves.emf", [] { return distinctLongPolylines(16, 262'144, 3, 100, U_PS_SOLID, U_EMR_POLYBEZIER16); }); }
QString distinctCurves() { return written("distinct-hair-curves.emf", [] { return distinctLongPolylines(16, 262'144, 0, 100, U_PS_SOLID, U_EMR_POLYBEZIER16); }); }
// A path at its bound of points, saved as often as the states may hold it.
QString pathCopies() { return written("path.emf", [] { return savedPathCopies(262'000, 15); }); }

#define PAIR(name, file)                                                                                             \
    void name##_ReadBytes(benchmark::State &state) { readOnly(state, file()); }                                     \
    BENCHMARK(name##_ReadBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);                         \
    void name##_LoadAndDraw(benchmark::State &state) { loadAndDraw(state, file()); }                                \
    BENCHMARK(name##_LoadAndDraw)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

PAIR(WmfOf60MBOfSaves, saves)
PAIR(WmfOf100MBOfPalettes, palettes)
PAIR(EmfPolylineOf5MPoints, polyline)
PAIR(Emf250MBOfPolylines, pastFilePoints)
PAIR(EmfOf4MPointsInWideLines, wideLines)
PAIR(EmfOf4MPointsInHairlines, hairlines)
PAIR(EmfOf4MDistinctPointsInWideLines, distinctWideLines)
PAIR(EmfOf4MDistinctPointsInHairlines, distinctHairlines)
PAIR(EmfOf4MDistinctPointsInDashedWideLines, distinctDashedLines)
PAIR(EmfOf4MDistinctPointsInWideCurves, distinctWideCurves)
PAIR(EmfOf4MDistinctPointsInHairlineCurves, distinctCurves)
PAIR(EmfPathSavedAtItsBounds, pathCopies)

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
