#include "calendar/language/LanguageLines.h"

#include "calendar-controls/memo/MemoLines.h"

namespace LanguageLines {

QStringList builtInCzech()
{
    // Lines 0..26, the names the calendar controls draw, are theirs.
    return StringListMemo::builtInCzechCalendarLines() + QStringList{
        QStringLiteral("< &Zpět"),
        QStringLiteral("&Další >"),
        QStringLiteral("&Dokončit"),
        QStringLiteral("&Storno"),
        QStringLiteral("&Soubor"),
        QStringLiteral("&Nový"),
        QStringLiteral("No&vý projekt"),
        QStringLiteral("&Otevřít..."),
        QStringLiteral("&Uložit"),
        QStringLiteral("Uložit &jako..."),
        QStringLiteral("&Tisk"),
        QStringLiteral("&Konec"),
        QStringLiteral("&Projekt"),
        QStringLiteral("&Nastavit barvu textů..."),
        QStringLiteral("N&astavit barvu názvů dnů..."),
        QStringLiteral("Na&stavit barvu výplně..."),
        QStringLiteral("Nas&tavit barvu čáry..."),
        QStringLiteral("&Změnit rok"),
        QStringLiteral("&Vymazat všechny obrázky"),
        QStringLiteral("V&ymazat všechny texty"),
        QStringLiteral("&Zoziruzo"),
        QStringLiteral("Načíst &obrázek..."),
        QStringLiteral("&Nastavit barvu textu..."),
        QStringLiteral("N&astavit barvu názvů dnů..."),
        QStringLiteral("Na&stavit barvu výplně..."),
        QStringLiteral("Nas&tavit barvu čáry..."),
        QStringLiteral("&Změnit rok a měsíc"),
        QStringLiteral("&Vymazat obrázek"),
        QStringLiteral("&Jazyk"),
        QStringLiteral("&Nápověda"),
        QStringLiteral("&O programu"),
        QStringLiteral("O programu Zoziruzo"),
        QStringLiteral("Průvodce vytvoření kalendáře"),
        QStringLiteral("Základní nastavení kalendáře:"),
        QStringLiteral("Rok:"),
        QStringLiteral("Barva textů:"),
        QStringLiteral("Barva názvů dnů:"),
        QStringLiteral("Barva výplně:"),
        QStringLiteral("Barva čáry:"),
        QStringLiteral("Obrázky:"),
        QStringLiteral("Úvod"),
        QStringLiteral("Texty:"),
        QStringLiteral("Procházet..."),
        QStringLiteral("Změnit rok a měsíc"),
        QStringLiteral("Změnit rok"),
        QStringLiteral("Změnit měsíc:"),
        QStringLiteral("Tisk"),
        QStringLiteral("Tisknout stránky:"),
        QStringLiteral("Zrušit výběr"),
        QStringLiteral("Označit vše"),
        QStringLiteral("Tisknout stejné stránky jako minule"),
        QStringLiteral("Vložit obrázek"),
        QStringLiteral("Otevřít"),
        QStringLiteral("Uložit jako"),
        QStringLiteral("Všechny soubory kalendářů"),
        QStringLiteral("Měsíční kalendáře"),
        QStringLiteral("Projekty kalendářů"),
        QStringLiteral("Bez názvu"),
        QStringLiteral("Chcete uložit změny?"),
        QStringLiteral("Neplatný soubor!"),
        QStringLiteral("Chyba při ukládání souboru!"),
        QStringLiteral("000 - Language's file for program Vuvuzodi - 000"),
    };
}

bool isAccepted(const QStringList &lines)
{
    return lines.value(HeaderLine) == Header;
}

} // namespace LanguageLines
