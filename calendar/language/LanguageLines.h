#pragma once

#include <QString>
#include <QStringList>


// The language files: 89 lines read by number, in the Language folder below
// the program folder, and the Czech file built into the program.
namespace LanguageLines {

inline constexpr int LineCount = 89;
inline constexpr int WeekStartLine = 26;
inline constexpr int UntitledNameLine = 84;
inline constexpr int HeaderLine = 88;
inline const QString Header = QStringLiteral("000 - Language's file for program Vuvuzodi - 000");
inline const QString CzechFileName = QStringLiteral("Česky.cln");

// The built-in Czech file, all 89 lines.
QStringList builtInCzech();

// Accepted when line 88 is the header exactly.
bool isAccepted(const QStringList &lines);

} // namespace LanguageLines
