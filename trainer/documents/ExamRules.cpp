#include "trainer/documents/ExamRules.h"

// 62 lines; the numbering keeps its irregular marks ("l.", "6:", "10").
const QString &examRulesText()
{
    static const QString text = QString::fromUtf8(R"rules(
    Zkušební řád zkoušky odborné způsobilosti žadatele o vydání zbrojního průkazu:

    Článek první - Teoretická část zkoušky:
l. Teoretická část zkoušky se koná písemnou formou, testem z okruhů otázek
    právní předpisy, nauka o zbraních a střelivu a zdravotnické minimum,
    podle skupiny zbrojního průkazu, o kterou žadatel žádá.
2. Žadatel dostane test s otázkami, ke každé otázce jsou uvedeny tři odpovědi,
    z nichž je vždy správná právě jedna.
3. Na vypracování testu má žadatel 40 minut. Během testu nesmí používat
    žádné pomůcky ani se radit s jinými žadateli, jinak je zkouška
    ukončena a hodnocena jako nevyhovující.
4. Každá otázka má stanovený počet bodů, který je uveden u otázky;
    za správnou odpověď se připíše celý počet bodů otázky.
5. Žadatel vyhověl v teoretické části, jestliže dosáhl alespoň
    nejnižšího počtu bodů stanoveného pro skupinu zbrojního průkazu,
    o kterou žádá.
6. Zrušená otázka se hodnotí jako zodpovězená správně, pokud na ni
    žadatel odpověděl.
7. Výsledek testu oznámí zkušební komisař žadateli ihned po jeho
    vyhodnocení a zapíše jej do záznamu o provedení zkoušky, který
    žadatel podepíše.
8. Žadatel, který v teoretické části nevyhověl, není připuštěn
    k praktické části zkoušky.



    Článek druhý - Praktická část zkoušky: Praktická část se provádí na určené střelnici.
1. Praktickou část zkoušky řídí zkušební komisař, který před jejím
    zahájením seznámí žadatele s řádem střelnice.
2. Žadatel prokáže, že umí se zbraní bezpečně zacházet: zbraň převezme,
    zkontroluje, zda není nabitá, a odloží ji tak, aby neohrozil
    sebe ani jiné osoby.
3. Žadatel provede rozborku a sborku zbraně v rozsahu stanoveném
    pro běžné čištění zbraně.
4. Střelba na cíl se provádí podle skupiny zbrojního průkazu:
a) z krátké palné zbraně na terč ve vzdálenosti určené komisařem,
b) z dlouhé palné zbraně na terč ve vzdálenosti určené komisařem,
c) počet nábojů a dobu střelby určí zkušební komisař předem
    a oznámí je žadateli.
5. Střelivo pro zkoušku zajistí pořadatel zkoušky; žadatel smí
    použít vlastní zbraň jen se souhlasem zkušebního komisaře.
6: Na povel komisaře žadatel zbraň nabije, zaujme střelecký postoj
    a vystřelí stanovený počet ran; po skončení střelby zbraň vybije
    a předloží ji komisaři ke kontrole.
7. Při porušení bezpečnosti zacházení se zbraní komisař střelbu ihned
    zastaví a zkoušku hodnotí jako nevyhovující.
8. Žadatel vyhověl v praktické části, jestliže bezpečně zacházel se
    zbraní, provedl rozborku a sborku a dosáhl při střelbě stanoveného
    výsledku.
9. O průběhu a výsledku praktické části učiní komisař zápis do
    záznamu o provedení zkoušky.
10 Žadatel, který ve zkoušce nevyhověl, může požádat o opakování
    zkoušky; teoretickou i praktickou část pak skládá znovu
    v plném rozsahu.
11. Tento text je ukázkovým shrnutím průběhu zkoušky pro potřeby
    programu; závazné je vždy platné znění právních předpisů
    a pokyny zkušebního komisaře.



)rules");
    return text;
}
