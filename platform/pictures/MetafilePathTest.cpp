#include "platform/messages/PlatformMessages.h"
#include "platform/pictures/MetafileFixtures.h"
#include "platform/pictures/Picture.h"

#include <QPainter>
#include <QPicture>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <vector>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor White(Qt::white);

// The picture drawn into `target` of an image of `size` on white.
QImage drawn(const Picture &picture, const QSize &size, const QRectF &target)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, target);
    return image;
}

QImage drawn(const Picture &picture, const QSize &size)
{
    return drawn(picture, size, QRectF(QPointF(0, 0), QSizeF(size)));
}

// The share of pixels in `within` whose colour is plainly another. Edge
// smoothing, a shift by a pixel or two at edges and the text's hinting stay
// well below the share that a missing shape takes.
double differingShare(const QImage &ours, const QImage &theirs, const QRect &within)
{
    qint64 differing = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x) {
            const QColor a = ours.pixelColor(x, y);
            const QColor b = theirs.pixelColor(x, y);
            if (std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue())}) > 96)
                ++differing;
        }
    return double(differing) / (qint64(within.width()) * within.height());
}

// The share of pixels that the picture drawn into `target` of an image of
// `size` covers otherwise than the same drawing recorded, which keeps each
// line one stroke, then played onto the image; -1 when the drawing covers
// no more than the share `least` of the image.
double shareOffOneStroke(const Picture &picture, const QSize &size, const QRectF &target, double least)
{
    const QImage ours = drawn(picture, size, target);
    QPicture recorded;
    QPainter recorder(&recorded);
    picture.draw(recorder, target);
    recorder.end();
    QImage theirs(size, QImage::Format_RGB32);
    theirs.fill(Qt::white);
    QPainter painter(&theirs);
    painter.drawPicture(0, 0, recorded);
    painter.end();
    if (differingShare(ours, drawn(Picture(), size), ours.rect()) <= least)
        return -1;
    return differingShare(ours, theirs, ours.rect());
}

using Records = std::function<void(MetafileFixtures::Emf &)>;

U_RECTL rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return rectl_set(point32_set(left, top), point32_set(right, bottom));
}

// POLYDRAW16 made here: libUEMF's writer of it writes past its own buffer.
char *polyDraw16(const std::vector<U_POINT16> &points, const std::vector<uint8_t> &kinds)
{
    QByteArray bytes = MetafileFixtures::emfRecord(U_EMR_POLYDRAW16, {0, 0, 60, 40, uint32_t(points.size())});
    bytes.append(reinterpret_cast<const char *>(points.data()), qsizetype(points.size() * sizeof(U_POINT16)));
    bytes.append(reinterpret_cast<const char *>(kinds.data()), qsizetype(kinds.size()));
    bytes.append(QByteArray((4 - bytes.size() % 4) % 4, '\0'));
    qToLittleEndian<uint32_t>(uint32_t(bytes.size()), bytes.data() + 4);
    auto *record = static_cast<char *>(malloc(size_t(bytes.size())));
    std::memcpy(record, bytes.constData(), size_t(bytes.size()));
    return record;
}

const U_RECTL Everything = rect(0, 0, 60, 40);

} // namespace

class MetafilePathTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsAsTheSuiteDoes_data();
    void drawsAsTheSuiteDoes();
    void pathAndClipRecords_data();
    void pathAndClipRecords();
    void windowsMetafileClipRecords_data();
    void windowsMetafileClipRecords();
    void hostileMetafileIsDamaged_data();
    void hostileMetafileIsDamaged();
    void hairlineStaysOneDevicePixelWide();
    void longWideLineCoversWhatOneStrokeCovers_data();
    void longWideLineCoversWhatOneStrokeCovers();
    void lineOfThousandsOfPiecesCoversWhatOneStrokeCovers_data();
    void lineOfThousandsOfPiecesCoversWhatOneStrokeCovers();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

// Drawings that an office suite wrote as EMF and WMF (from the SVG beside
// them), and its own rendering of those files, alike for both: ellipses and
// curves are paths in its EMF, and all is drawn inside a saved state with a
// clip. Its export leaves out the text's clip of overlaps.svg.
void MetafilePathTest::drawsAsTheSuiteDoes_data()
{
    QTest::addColumn<QString>("metafile");
    QTest::addColumn<QString>("rendering");
    for (const char *drawing : {"shapes", "overlaps"})
        for (const char *kind : {"emf", "wmf"})
            QTest::newRow(qPrintable(QStringLiteral("%1.%2").arg(drawing, kind)))
                << QStringLiteral(METAFILE_FIXTURES "/%1.%2").arg(drawing, kind)
                << QStringLiteral(METAFILE_FIXTURES "/%1.png").arg(drawing);
}

void MetafilePathTest::drawsAsTheSuiteDoes()
{
    QFETCH(QString, metafile);
    QFETCH(QString, rendering);
    const Result<Picture> picture = Picture::load(metafile);
    QVERIFY2(picture, qPrintable(picture ? QString() : picture.error()));
    QImage theirs(rendering);
    QVERIFY(!theirs.isNull());
    QImage flat(theirs.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, theirs);
    // The suite shows the picture at its natural size amid a page.
    const QSizeF size(picture->size());
    const QRectF target(QPointF(flat.width() - size.width(), flat.height() - size.height()) / 2, size);
    const QImage ours = drawn(*picture, flat.size(), target);
    const double share = differingShare(ours, flat, target.toAlignedRect());
    QVERIFY2(share <= 0.08, qPrintable(QStringLiteral("%1 of the pixels differ").arg(share)));
}

void MetafilePathTest::pathAndClipRecords_data()
{
    using namespace MetafileFixtures;
    QTest::addColumn<Records>("records");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");

    // A red square 10,10-30,30, its right side a curve, built as a path.
    const auto square = [](Emf &emf) {
        emf.append(U_EMRBEGINPATH_set());
        emf.append(U_EMRMOVETOEX_set(point32_set(10, 10)));
        emf.append(U_EMRLINETO_set(point32_set(30, 10)));
        const U_POINT16 curve[] = {point16_set(34, 16), point16_set(34, 24), point16_set(30, 30)};
        emf.append(U_EMRPOLYBEZIERTO16_set(Everything, 3, curve));
        emf.append(U_EMRLINETO_set(point32_set(10, 30)));
        emf.append(U_EMRCLOSEFIGURE_set());
        emf.append(U_EMRENDPATH_set());
    };
    const auto redFill = [](Emf &emf) {
        emf.pen(U_PS_NULL, 0, U_RGB(0, 0, 0));
        emf.brush(U_RGB(255, 0, 0));
    };
    const auto wideBluePen = [](Emf &emf) { emf.pen(U_PS_SOLID, 4, U_RGB(0, 0, 255)); };
    const auto fillAll = [](Emf &emf) { emf.append(U_EMRRECTANGLE_set(rect(-1, -1, 61, 41))); };

    const Records fill = [=](Emf &emf) {
        redFill(emf);
        square(emf);
        emf.append(U_EMRFILLPATH_set(Everything));
    };
    QTest::newRow("FILLPATH inside") << fill << QPoint(20, 20) << Red;
    QTest::newRow("FILLPATH within the curve") << fill << QPoint(32, 20) << Red;
    QTest::newRow("FILLPATH outside") << fill << QPoint(40, 20) << White;

    const Records unfilled = [=](Emf &emf) {
        redFill(emf);
        square(emf);
    };
    QTest::newRow("a path alone draws nothing") << unfilled << QPoint(20, 20) << White;

    const Records stroke = [=](Emf &emf) {
        wideBluePen(emf);
        emf.brush(U_RGB(255, 0, 0));
        square(emf);
        emf.append(U_EMRSTROKEPATH_set(Everything));
    };
    QTest::newRow("STROKEPATH edge") << stroke << QPoint(20, 10) << Blue;
    QTest::newRow("STROKEPATH leaves the inside") << stroke << QPoint(20, 20) << White;

    const Records strokeAndFill = [=](Emf &emf) {
        wideBluePen(emf);
        emf.brush(U_RGB(255, 0, 0));
        square(emf);
        emf.append(U_EMRSTROKEANDFILLPATH_set(Everything));
    };
    QTest::newRow("STROKEANDFILLPATH edge") << strokeAndFill << QPoint(10, 20) << Blue;
    QTest::newRow("STROKEANDFILLPATH inside") << strokeAndFill << QPoint(20, 20) << Red;

    const Records aborted = [=](Emf &emf) {
        redFill(emf);
        square(emf);
        emf.append(U_EMRABORTPATH_set());
        emf.append(U_EMRFILLPATH_set(Everything));
    };
    QTest::newRow("ABORTPATH") << aborted << QPoint(20, 20) << White;

    const Records flattened = [=](Emf &emf) {
        redFill(emf);
        square(emf);
        emf.append(U_EMRFLATTENPATH_set());
        emf.append(U_EMRFILLPATH_set(Everything));
    };
    QTest::newRow("FLATTENPATH") << flattened << QPoint(32, 20) << Red;

    // A line 6 wide, widened and filled with the brush.
    const Records widened = [](Emf &emf) {
        emf.pen(U_PS_SOLID, 6, U_RGB(0, 0, 255));
        emf.brush(U_RGB(255, 0, 0));
        emf.append(U_EMRBEGINPATH_set());
        const U_POINT16 line[] = {point16_set(5, 20), point16_set(55, 20)};
        emf.append(U_EMRPOLYLINE16_set(Everything, 2, line));
        emf.append(U_EMRENDPATH_set());
        emf.append(U_EMRWIDENPATH_set());
        emf.append(U_EMRFILLPATH_set(Everything));
    };
    QTest::newRow("WIDENPATH on the line") << widened << QPoint(30, 22) << Red;
    QTest::newRow("WIDENPATH beside it") << widened << QPoint(30, 26) << White;

    // Two squares, one inside the other, in one path.
    const auto nested = [=](uint32_t mode) {
        return Records([=](Emf &emf) {
            redFill(emf);
            emf.append(U_EMRSETPOLYFILLMODE_set(mode));
            emf.append(U_EMRBEGINPATH_set());
            const U_POINT16 outer[] = {point16_set(5, 5), point16_set(35, 5), point16_set(35, 35), point16_set(5, 35)};
            emf.append(U_EMRPOLYGON16_set(Everything, 4, outer));
            emf.append(U_EMRRECTANGLE_set(rect(15, 15, 25, 25)));
            emf.append(U_EMRENDPATH_set());
            emf.append(U_EMRFILLPATH_set(Everything));
        });
    };
    QTest::newRow("alternate fill leaves the hole") << nested(U_ALTERNATE) << QPoint(20, 20) << White;
    QTest::newRow("alternate fill around it") << nested(U_ALTERNATE) << QPoint(10, 10) << Red;
    QTest::newRow("winding fill fills the hole") << nested(U_WINDING) << QPoint(20, 20) << Red;

    // An ellipse and an arc to, in 16-bit and 32-bit forms, closed and filled.
    const Records curves = [=](Emf &emf) {
        redFill(emf);
        emf.append(U_EMRBEGINPATH_set());
        emf.append(U_EMRELLIPSE_set(rect(40, 0, 60, 20)));
        emf.append(U_EMRMOVETOEX_set(point32_set(0, 40)));
        emf.append(U_EMRARCTO_set(rect(0, 20, 40, 60), point32_set(40, 40), point32_set(0, 40)));
        const U_POINT16 down[] = {point16_set(0, 40)};
        emf.append(U_EMRPOLYLINETO16_set(Everything, 1, down));
        emf.append(U_EMRENDPATH_set());
        emf.append(U_EMRFILLPATH_set(Everything));
    };
    QTest::newRow("ELLIPSE in a path") << curves << QPoint(50, 10) << Red;
    QTest::newRow("ARCTO in a path") << curves << QPoint(20, 35) << Red;
    QTest::newRow("beside the arc") << curves << QPoint(2, 22) << White;

    const Records polyDraw = [=](Emf &emf) {
        redFill(emf);
        emf.append(U_EMRBEGINPATH_set());
        emf.append(polyDraw16({point16_set(10, 10), point16_set(50, 10), point16_set(50, 30), point16_set(40, 40),
                               point16_set(20, 40), point16_set(10, 30), point16_set(10, 20)},
                              {U_PT_MOVETO, U_PT_LINETO, U_PT_LINETO, U_PT_BEZIERTO, U_PT_BEZIERTO, U_PT_BEZIERTO,
                               U_PT_LINETO | U_PT_CLOSEFIGURE}));
        emf.append(U_EMRENDPATH_set());
        emf.append(U_EMRFILLPATH_set(Everything));
    };
    QTest::newRow("POLYDRAW16 in a path") << polyDraw << QPoint(30, 30) << Red;

    const Records intersected = [=](Emf &emf) {
        redFill(emf);
        emf.append(U_EMRINTERSECTCLIPRECT_set(rect(10, 10, 30, 30)));
        fillAll(emf);
    };
    QTest::newRow("INTERSECTCLIPRECT inside") << intersected << QPoint(20, 20) << Red;
    QTest::newRow("INTERSECTCLIPRECT outside") << intersected << QPoint(40, 20) << White;
    QTest::newRow("INTERSECTCLIPRECT leaves out the right edge") << intersected << QPoint(30, 20) << White;

    const Records excluded = [=](Emf &emf) {
        redFill(emf);
        emf.append(U_EMREXCLUDECLIPRECT_set(rect(10, 10, 30, 30)));
        fillAll(emf);
    };
    QTest::newRow("EXCLUDECLIPRECT inside") << excluded << QPoint(20, 20) << White;
    QTest::newRow("EXCLUDECLIPRECT outside") << excluded << QPoint(40, 20) << Red;

    const Records disjoint = [=](Emf &emf) {
        redFill(emf);
        emf.append(U_EMRINTERSECTCLIPRECT_set(rect(0, 0, 20, 20)));
        emf.append(U_EMRINTERSECTCLIPRECT_set(rect(30, 20, 60, 40)));
        fillAll(emf);
    };
    QTest::newRow("clips that do not meet clip all") << disjoint << QPoint(10, 10) << White;

    const Records restored = [=](Emf &emf) {
        redFill(emf);
        emf.append(U_EMRSAVEDC_set());
        emf.append(U_EMRINTERSECTCLIPRECT_set(rect(10, 10, 30, 30)));
        emf.append(U_EMRRESTOREDC_set(-1));
        fillAll(emf);
    };
    QTest::newRow("RESTOREDC brings back the clip") << restored << QPoint(40, 20) << Red;

    const Records savedPath = [=](Emf &emf) {
        redFill(emf);
        square(emf);
        emf.append(U_EMRSAVEDC_set());
        emf.append(U_EMRABORTPATH_set());
        emf.append(U_EMRRESTOREDC_set(-1));
        emf.append(U_EMRFILLPATH_set(Everything));
    };
    QTest::newRow("RESTOREDC brings back the path") << savedPath << QPoint(20, 20) << Red;

    const Records clipPath = [=](Emf &emf) {
        redFill(emf);
        emf.append(U_EMRBEGINPATH_set());
        emf.append(U_EMRELLIPSE_set(rect(0, 0, 40, 40)));
        emf.append(U_EMRENDPATH_set());
        emf.append(U_EMRSELECTCLIPPATH_set(U_RGN_COPY));
        fillAll(emf);
    };
    QTest::newRow("SELECTCLIPPATH inside") << clipPath << QPoint(20, 20) << Red;
    QTest::newRow("SELECTCLIPPATH in the corner") << clipPath << QPoint(2, 2) << White;
    QTest::newRow("SELECTCLIPPATH outside") << clipPath << QPoint(50, 20) << White;

    // Device units are pixels here.
    const auto region = [=](bool reset) {
        return Records([=](Emf &emf) {
            redFill(emf);
            U_RECTL box = rect(40, 0, 60, 20);
            PU_RGNDATA data = rgndata_set(U_RGNDATAHEADER{32, 1, 1, 16, box}, &box);
            emf.append(U_EMREXTSELECTCLIPRGN_set(U_RGN_COPY, data));
            free(data);
            if (reset) {
                // Without region data, which libUEMF's writer does not make.
                auto *record = static_cast<uint32_t *>(malloc(16));
                const uint32_t words[] = {U_EMR_EXTSELECTCLIPRGN, 16, 0, U_RGN_COPY};
                std::copy(std::begin(words), std::end(words), record);
                emf.append(reinterpret_cast<char *>(record));
            }
            fillAll(emf);
        });
    };
    QTest::newRow("EXTSELECTCLIPRGN inside") << region(false) << QPoint(50, 10) << Red;
    QTest::newRow("EXTSELECTCLIPRGN outside") << region(false) << QPoint(20, 20) << White;
    QTest::newRow("EXTSELECTCLIPRGN without a region") << region(true) << QPoint(20, 20) << Red;
}

void MetafilePathTest::pathAndClipRecords()
{
    QFETCH(Records, records);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QString file = path(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-') + ".emf");
    QVERIFY(MetafileFixtures::writeEmfRecords(qPrintable(file), records));
    const Result<Picture> picture = Picture::load(file);
    QVERIFY2(picture, qPrintable(picture ? QString() : picture.error()));
    QCOMPARE(drawn(*picture, QSize(60, 40)).pixelColor(at), colour);
}

void MetafilePathTest::windowsMetafileClipRecords_data()
{
    QTest::addColumn<bool>("exclude");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("INTERSECTCLIPRECT inside") << false << QPoint(20, 20) << Red;
    QTest::newRow("INTERSECTCLIPRECT outside") << false << QPoint(40, 20) << White;
    QTest::newRow("EXCLUDECLIPRECT inside") << true << QPoint(20, 20) << White;
    QTest::newRow("EXCLUDECLIPRECT outside") << true << QPoint(40, 20) << Red;
}

void MetafilePathTest::windowsMetafileClipRecords()
{
    QFETCH(bool, exclude);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    const QString file = path(QStringLiteral("clip-%1.wmf").arg(exclude));
    QVERIFY(MetafileFixtures::writeWmfRecords(qPrintable(file), [exclude](MetafileFixtures::Wmf &wmf) {
        wmf.solid(U_RGB(255, 0, 0));
        const U_RECT16 box = U_RECT16_set(point16_set(10, 10), point16_set(30, 30));
        wmf.append(exclude ? U_WMREXCLUDECLIPRECT_set(box) : U_WMRINTERSECTCLIPRECT_set(box));
        wmf.append(U_WMRRECTANGLE_set(U_RECT16_set(point16_set(-1, -1), point16_set(61, 41))));
    }));
    const Result<Picture> picture = Picture::load(file);
    QVERIFY2(picture, qPrintable(picture ? QString() : picture.error()));
    QCOMPARE(drawn(*picture, QSize(60, 40)).pixelColor(at), colour);
}

// Past what drawing programs write a file is damaged at once; short of it,
// it loads. Each point shows at a size far below a real attack's.
void MetafilePathTest::hostileMetafileIsDamaged_data()
{
    using namespace MetafileFixtures;
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("emf");
    QTest::addColumn<bool>("loads");
    QTest::newRow("EMF: 1000 nested SAVEDC") << nestedSaves(true, 1000) << true << true;
    QTest::newRow("EMF: 70000 nested SAVEDC") << nestedSaves(true, 70000) << true << false;
    QTest::newRow("WMF: 1000 nested SAVEDC") << nestedSaves(false, 1000) << false << true;
    QTest::newRow("WMF: 70000 nested SAVEDC") << nestedSaves(false, 70000) << false << false;
    QTest::newRow("EMF: 1000 brushes") << objectFlood(true, 1000) << true << true;
    QTest::newRow("EMF: 70000 brushes") << objectFlood(true, 70000) << true << false;
    QTest::newRow("WMF: 1000 palettes") << objectFlood(false, 1000) << false << true;
    QTest::newRow("WMF: 70000 palettes") << objectFlood(false, 70000) << false << false;
    QTest::newRow("EMF: polyline of 200000 points") << longPolylines(1, 200000, 3, 60) << true << true;
    QTest::newRow("EMF: polyline of 300000 points") << longPolylines(1, 300000, 3, 60) << true << false;
    QTest::newRow("EMF: 16 polylines of 262144 points") << longPolylines(16, 262144, 0, 60) << true << true;
    QTest::newRow("EMF: 17 polylines of 262144 points") << longPolylines(17, 262144, 0, 60) << true << false;
    QTest::newRow("EMF: a path saved 10 times") << savedPathCopies(200000, 10) << true << true;
    QTest::newRow("EMF: a path saved 30 times") << savedPathCopies(200000, 30) << true << false;
}

void MetafilePathTest::hostileMetafileIsDamaged()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, emf);
    QFETCH(bool, loads);
    const Result<Picture> picture
        = Picture::decode(data, emf ? Picture::Format::EnhancedMetafile : Picture::Format::WindowsMetafile);
    if (loads) {
        QVERIFY2(picture, qPrintable(picture ? QString() : picture.error()));
        return;
    }
    QVERIFY(!picture);
    QCOMPARE(picture.error(),
             emf ? PlatformMessages::enhancedMetafileDamaged() : PlatformMessages::windowsMetafileDamaged());
}

// A pen of width 0 is one pixel wide on the device it draws on, however
// much the picture is scaled (and so cheap to draw at any length).
void MetafilePathTest::hairlineStaysOneDevicePixelWide()
{
    const QString file = path(QStringLiteral("hairline.emf"));
    QVERIFY(MetafileFixtures::writeEmfRecords(qPrintable(file), [](MetafileFixtures::Emf &emf) {
        emf.append(U_EMRMOVETOEX_set(point32_set(0, 20)));
        emf.append(U_EMRLINETO_set(point32_set(60, 20)));
    }));
    const Result<Picture> picture = Picture::load(file);
    QVERIFY(picture);
    const QImage image = drawn(*picture, QSize(480, 320));
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        inked += image.pixelColor(240, y).lightness() < 128 ? 1 : 0;
    QCOMPARE(inked, 1);
}

void MetafilePathTest::longWideLineCoversWhatOneStrokeCovers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<int>("scale");
    QTest::addColumn<uint32_t>("penStyle");
    // The share of pixels that may differ: none for straight lines; a dash's
    // end may fall on a pixel's centre; Qt's one stroke offsets curves
    // before it flattens them, and so differs by a pixel here and there.
    QTest::addColumn<double>("tolerance");
    // Pixels of the image around the picture, which its clip keeps clear.
    QTest::addColumn<int>("margin");
    // The polypolyline's figures as its first, again, and again from its
    // third point: the same pieces with the dash pattern where it stood
    // before, and where it did not.
    QTest::addColumn<bool>("repeated");
    QTest::newRow("polyline") << int(U_EMR_POLYLINE16) << 3 << 1 << uint32_t(U_PS_SOLID) << 0.0 << 0 << false;
    QTest::newRow("polyline magnified") << int(U_EMR_POLYLINE16) << 3 << 6 << uint32_t(U_PS_SOLID) << 0.0 << 0 << false;
    QTest::newRow("polygon's outline") << int(U_EMR_POLYGON16) << 5 << 4 << uint32_t(U_PS_SOLID) << 0.0 << 0 << false;
    QTest::newRow("polypolyline") << int(U_EMR_POLYPOLYLINE16) << 2 << 5 << uint32_t(U_PS_SOLID) << 0.0 << 0 << false;
    QTest::newRow("stroked path") << int(U_EMR_STROKEPATH) << 4 << 3 << uint32_t(U_PS_SOLID) << 0.0 << 0 << false;
    QTest::newRow("dashed polyline") << int(U_EMR_POLYLINE16) << 3 << 2 << uint32_t(U_PS_DASH) << 0.001 << 0 << false;
    QTest::newRow("dotted polygon's outline") << int(U_EMR_POLYGON16) << 2 << 4 << uint32_t(U_PS_DOT) << 0.001 << 0 << false;
    QTest::newRow("dash-dot polypolyline") << int(U_EMR_POLYPOLYLINE16) << 3 << 3 << uint32_t(U_PS_DASHDOT) << 0.001 << 0 << false;
    QTest::newRow("dash-dot-dot stroked path") << int(U_EMR_STROKEPATH) << 2 << 5 << uint32_t(U_PS_DASHDOTDOT) << 0.001 << 0 << false;
    QTest::newRow("beziers") << int(U_EMR_POLYBEZIER16) << 3 << 4 << uint32_t(U_PS_SOLID) << 0.02 << 0 << false;
    QTest::newRow("dashed beziers") << int(U_EMR_POLYBEZIER16) << 4 << 3 << uint32_t(U_PS_DASH) << 0.02 << 0 << false;
    QTest::newRow("polyline amid the image") << int(U_EMR_POLYLINE16) << 3 << 2 << uint32_t(U_PS_SOLID) << 0.0 << 7 << false;
    QTest::newRow("stroked path amid the image") << int(U_EMR_STROKEPATH) << 4 << 3 << uint32_t(U_PS_SOLID) << 0.0 << 13 << false;
    QTest::newRow("dashed polypolyline repeated") << int(U_EMR_POLYPOLYLINE16) << 1 << 4 << uint32_t(U_PS_DASH) << 0.001 << 0
                                                  << true;
}

// A long wide line is drawn in parts for speed; those cover the pixels that
// Qt's one stroke of the whole line covers, joins, ends and dashes included.
void MetafilePathTest::longWideLineCoversWhatOneStrokeCovers()
{
    QFETCH(int, kind);
    QFETCH(int, penWidth);
    QFETCH(int, scale);
    QFETCH(uint32_t, penStyle);
    QFETCH(double, tolerance);
    QFETCH(int, margin);
    QFETCH(bool, repeated);
    // Points all over the picture in every direction, some repeated.
    std::vector<U_POINT16> points;
    uint32_t seed = 12345;
    for (int i = 0; i < 400; ++i) {
        seed = seed * 1103515245 + 12345;
        const int x = int(seed >> 16) % 60;
        seed = seed * 1103515245 + 12345;
        points.push_back(point16_set(int16_t(x), int16_t(int(seed >> 16) % 40)));
        if (i % 50 == 0)
            points.push_back(points.back());
    }
    std::vector<uint32_t> counts{150, uint32_t(points.size()) - 150};
    if (repeated) {
        // Few pieces and a thin pen, so that a dash left out shows.
        const std::vector<U_POINT16> first(points.begin(), points.begin() + 30);
        points = first;
        points.insert(points.end(), first.begin(), first.end());
        points.insert(points.end(), first.begin() + 2, first.end());
        counts = {30, 30, 28};
    }
    const QString file = path(QStringLiteral("wide-%1-%2-%3.emf").arg(kind).arg(penStyle).arg(repeated));
    QVERIFY(MetafileFixtures::writeEmfRecords(qPrintable(file), [&](MetafileFixtures::Emf &emf) {
        emf.pen(penStyle, penWidth, U_RGB(255, 0, 0));
        emf.append(selectobject_set(U_NULL_BRUSH | U_STOCK_OBJECT, emf.handles()));
        const uint32_t count = uint32_t(points.size());
        if (kind == U_EMR_POLYLINE16)
            emf.append(U_EMRPOLYLINE16_set(Everything, count, points.data()));
        else if (kind == U_EMR_POLYGON16)
            emf.append(U_EMRPOLYGON16_set(Everything, count, points.data()));
        else if (kind == U_EMR_POLYPOLYLINE16)
            emf.append(U_EMRPOLYPOLYLINE16_set(Everything, uint32_t(counts.size()), counts.data(), count, points.data()));
        else if (kind == U_EMR_POLYBEZIER16)
            emf.append(U_EMRPOLYBEZIER16_set(Everything, count - (count - 1) % 3, points.data()));
        else {
            emf.append(U_EMRBEGINPATH_set());
            emf.append(U_EMRMOVETOEX_set(point32_set(points[0].x, points[0].y)));
            emf.append(U_EMRPOLYLINETO16_set(Everything, count - 1, points.data() + 1));
            emf.append(U_EMRENDPATH_set());
            emf.append(U_EMRSTROKEPATH_set(Everything));
        }
    }));
    const Result<Picture> picture = Picture::load(file);
    QVERIFY(picture);
    const QSize size(60 * scale + 2 * margin, 40 * scale + 2 * margin);
    const QRectF target(margin, margin, 60 * scale, 40 * scale);
    const double share = shareOffOneStroke(*picture, size, target, 0.2);
    QVERIFY2(share >= 0 && share <= tolerance, qPrintable(QString::number(share)));
}

// Lines of more pieces than one thread strokes at a time: a pen 4 pixels
// wide along a serpentine of short zigzags 4 pixels high, row under row,
// drawn so that every point shows, and the dashes' pattern running on
// over the pieces that threads share out. Where the zigzags turn, their
// miters are cut, and there a few pixels may differ.
void MetafilePathTest::lineOfThousandsOfPiecesCoversWhatOneStrokeCovers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<uint32_t>("penStyle");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("polyline") << int(U_EMR_POLYLINE16) << uint32_t(U_PS_SOLID) << 0.001;
    QTest::newRow("polygon's outline") << int(U_EMR_POLYGON16) << uint32_t(U_PS_SOLID) << 0.001;
    QTest::newRow("dashed polyline") << int(U_EMR_POLYLINE16) << uint32_t(U_PS_DASH) << 0.001;
    QTest::newRow("dash-dot polygon's outline") << int(U_EMR_POLYGON16) << uint32_t(U_PS_DASHDOT) << 0.001;
    QTest::newRow("beziers") << int(U_EMR_POLYBEZIER16) << uint32_t(U_PS_SOLID) << 0.02;
}

void MetafilePathTest::lineOfThousandsOfPiecesCoversWhatOneStrokeCovers()
{
    QFETCH(int, kind);
    QFETCH(uint32_t, penStyle);
    QFETCH(double, tolerance);
    // In hundredths of the picture's pixels; it is drawn 16 times its size.
    std::vector<U_POINT16> points;
    for (int row = 0; row < 39; ++row)
        for (int i = 0; i < 238; ++i) {
            const int x = row % 2 ? 5975 - i * 25 : 25 + i * 25;
            points.push_back(point16_set(int16_t(x), int16_t(50 + row * 100 + (i % 2) * 50)));
        }
    const uint32_t count = uint32_t(points.size());
    const QString file = path(QStringLiteral("serpentine-%1-%2.emf").arg(kind).arg(penStyle));
    QVERIFY(MetafileFixtures::writeEmfRecords(qPrintable(file), [&](MetafileFixtures::Emf &emf) {
        emf.append(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC));
        emf.append(U_EMRSETWINDOWEXTEX_set(U_SIZEL{6000, 4000}));
        emf.append(U_EMRSETVIEWPORTEXTEX_set(U_SIZEL{60, 40}));
        emf.pen(penStyle, 25, U_RGB(255, 0, 0));
        emf.append(selectobject_set(U_NULL_BRUSH | U_STOCK_OBJECT, emf.handles()));
        if (kind == U_EMR_POLYLINE16)
            emf.append(U_EMRPOLYLINE16_set(Everything, count, points.data()));
        else if (kind == U_EMR_POLYGON16)
            emf.append(U_EMRPOLYGON16_set(Everything, count, points.data()));
        else
            emf.append(U_EMRPOLYBEZIER16_set(Everything, count - (count - 1) % 3, points.data()));
    }));
    const Result<Picture> picture = Picture::load(file);
    QVERIFY(picture);
    const QSize size(60 * 16, 40 * 16);
    const double share = shareOffOneStroke(*picture, size, QRectF(QPointF(0, 0), QSizeF(size)), 0.1);
    QVERIFY2(share >= 0 && share <= tolerance, qPrintable(QString::number(share)));
}

QTEST_MAIN(MetafilePathTest)
#include "MetafilePathTest.moc"
