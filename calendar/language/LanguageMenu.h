#pragma once

#include "platform/result/Result.h"

#include <QString>

class TForm1;

// The language files, the settings file Data.dat and the language menu, on
// the designer's windows.
namespace LanguageMenu {

// At most this many start-up attempts; after them the built-in Czech lines
// are used from memory.
inline constexpr int MaxStartupAttempts = 3;

// The start-up load: attempts until a language file is accepted, the user
// declines to create the settings file (the program ends), or the attempts
// run out. Ends with the first untitled document.
void InitLanguage();
void FillLanguageMenu();
// Binds the main window's ten language items to ChangeLanguage.
void Connect(TForm1 &form);
// The choice of menu item `index` (0..9).
void ChangeLanguage(int index);
// Czech settings; writes the built-in Czech file when it is missing.
Result<> CreateDefaultSettings();

// Kind 1: a language file cannot be loaded; kind 2: one was rejected. Czech
// exactly when the settings name Česky.cln.
struct LanguageMessage
{
    QString message;
    QString fallback;
};
LanguageMessage MakeLanguageMessage(int kind);

} // namespace LanguageMenu
