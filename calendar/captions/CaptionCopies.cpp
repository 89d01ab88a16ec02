#include "calendar/captions/CaptionCopies.h"

namespace CaptionCopies {

namespace {

QString g_untitledName = QStringLiteral("Bez názvu");

} // namespace

QString UntitledName() { return g_untitledName; }

void setUntitledName(const QString &name) { g_untitledName = name; }

} // namespace CaptionCopies
