// One fuzz input is the bytes of a calendar document or a language file. The
// reader must take it or refuse it with an error, never crash; a document it
// takes is written back and read again to the same values.

#include "calendar/documents/CalendarDocument.h"
#include "calendar/language/LanguageLines.h"
#include "platform/text/IntegerText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

namespace {

template <typename Document>
void roundTrip(const std::variant<Document, QString> &read,
               std::variant<Document, QString> (*readAgain)(const QStringList &))
{
    if (!std::holds_alternative<Document>(read))
        return;
    const QStringList written = CalendarDocument::write(std::get<Document>(read));
    const auto again = readAgain(written);
    if (!std::holds_alternative<Document>(again) || CalendarDocument::write(std::get<Document>(again)) != written)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = CalendarDocument::linesOf(bytes);
    switch (CalendarDocument::kindOf(lines)) {
    case CalendarDocument::Kind::SingleMonth:
        roundTrip(CalendarDocument::readSingleMonth(lines), CalendarDocument::readSingleMonth);
        break;
    case CalendarDocument::Kind::Project:
        roundTrip(CalendarDocument::readProject(lines), CalendarDocument::readProject);
        break;
    case CalendarDocument::Kind::None:
        break;
    }
    if (LanguageLines::isAccepted(lines))
        (void)parseInteger(lines.value(LanguageLines::WeekStartLine));
    return 0;
}
