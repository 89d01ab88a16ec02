// One fuzz input is the bytes of a calendar document or a language file. The
// reader must take it or refuse it with an error, never crash; a document it
// takes is written back and read again to the same values. A document is
// also applied to the designer's main window (offscreen), its month controls
// are drawn, and the window's controls must give back the lines it read.
// A language file it accepts is drawn by the month controls.

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/documents/CalendarDocument.h"
#include "calendar/file-commands/DocumentControls.h"
#include "calendar/language/LanguageLines.h"
#include "calendar/app/DesignerStartup.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "platform/text/IntegerText.h"
#include "platform/text/TextLineFile.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

// The main window as the program holds it, made once: the hidden data holder
// first, since the month controls read its language lines.
struct Designer
{
    std::unique_ptr<QApplication> application;
    std::unique_ptr<TForm2> data;
    std::unique_ptr<TForm1> window;

    Designer()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "document-fuzzer";
        static char *argv[] = {name, nullptr};
        application = std::make_unique<QApplication>(argc, argv);
        data = std::make_unique<TForm2>();
        data->CaptionMemo.setLines(LanguageLines::builtInCzech());
        Form2 = data.get();
        window = std::make_unique<TForm1>(&data->CaptionMemo);
        Form1 = window.get();
    }
};

Designer &designer()
{
    static Designer instance;
    return instance;
}

void draw(QWidget &control)
{
    QImage image(control.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    control.render(&painter);
}

// One of each kind and page: every month control of a project shares its
// year and colours with the others.
std::array<MonthControl *, 3> monthControls(TForm1 &window)
{
    return {window.BigKal(13), window.BigKal(2), window.SmallKal(2)};
}

void drawMonthControls(TForm1 &window)
{
    for (MonthControl *control : monthControls(window))
        draw(*control);
}

// Read, written and read again to the same lines; applied to the window,
// drawn, and given back by the window's controls as read.
template <typename Document>
void checkDocument(const QStringList &lines, Result<Document> (*read)(const QStringList &),
                   Document (*collect)(const TForm1 &), DocumentControls::Outcome applied)
{
    const Result<Document> document = read(lines);
    if (document) {
        const QStringList written = CalendarDocument::write(*document);
        const Result<Document> again = read(written);
        if (!again || CalendarDocument::write(*again) != written)
            std::abort();
    }
    TForm1 &window = *designer().window;
    const Result<DocumentControls::Outcome> result = DocumentControls::apply(window, lines);
    drawMonthControls(window);
    if (result && *result == applied
        && CalendarDocument::write(collect(window)) != CalendarDocument::write(*document))
        std::abort();
}

// The names and the first weekday as the month controls take them from the
// language in use.
void drawInTheLanguage(const QStringList &lines)
{
    TForm2 &data = *designer().data;
    TForm1 &window = *designer().window;
    data.CaptionMemo.setLines(lines);
    const Result<qint32> weekStart = parseInteger(lines.value(LanguageLines::WeekStartLine));
    for (MonthControl *control : monthControls(window))
        control->setStartOfWeek(weekStart ? *weekStart : 1);
    drawMonthControls(window);
    data.CaptionMemo.setLines(LanguageLines::builtInCzech());
    for (MonthControl *control : monthControls(window))
        control->setStartOfWeek(1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = CalendarDocument::linesOf(bytes);
    switch (CalendarDocument::kindOf(lines)) {
    case CalendarDocument::Kind::SingleMonth:
        checkDocument(lines, CalendarDocument::readSingleMonth, DocumentControls::collectSingleMonth,
                      DocumentControls::Outcome::SingleMonth);
        break;
    case CalendarDocument::Kind::Project:
        checkDocument(lines, CalendarDocument::readProject, DocumentControls::collectProject,
                      DocumentControls::Outcome::Project);
        break;
    case CalendarDocument::Kind::None:
        break;
    }
    // A language file is read whole, not cut as a document is.
    const QStringList language = TextLineFile::splitLines(bytes);
    if (LanguageLines::isAccepted(language))
        drawInTheLanguage(language);
    return 0;
}
