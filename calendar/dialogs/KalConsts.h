#pragma once

#include <QString>

// The fixed titles and button captions of the designer's message dialogs.
// They never come from the language file: the save question reads the same
// in every language.
namespace KalConsts {

inline const QString SMsgDlgWarning = QStringLiteral("Warning");
inline const QString SMsgDlgError = QStringLiteral("Error");
inline const QString SMsgDlgInformation = QStringLiteral("Information");
inline const QString SMsgDlgConfirm = QStringLiteral("Zoziruzo");

inline const QString SMsgDlgYes = QStringLiteral("&Ano");
inline const QString SMsgDlgNo = QStringLiteral("&Ne");
inline const QString SMsgDlgOK = QStringLiteral("OK");
inline const QString SMsgDlgCancel = QStringLiteral("&Storno");
inline const QString SMsgDlgAbort = QStringLiteral("&Abort");
inline const QString SMsgDlgRetry = QStringLiteral("&Retry");
inline const QString SMsgDlgIgnore = QStringLiteral("&Ignore");
inline const QString SMsgDlgAll = QStringLiteral("&All");
inline const QString SMsgDlgNoToAll = QStringLiteral("N&o to All");
inline const QString SMsgDlgYesToAll = QStringLiteral("Yes to &All");
inline const QString SMsgDlgHelp = QStringLiteral("&Help");

} // namespace KalConsts
