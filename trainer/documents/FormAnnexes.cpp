#include "trainer/documents/FormAnnexes.h"

namespace {

const QString TravelNoteA = QStringLiteral("Slouží jako doklad pro vývoz, dovoz, průvoz zbraní a střeliva mimo ČR.");
const QString TravelNoteB = QStringLiteral("Kontroluje se na hranicích Policií ČR spolu s jinými doklady.");

} // namespace

const std::vector<FormAnnex> &formAnnexes()
{
    static const std::vector<FormAnnex> annexes = {
        {u"Žádost o vydání zbrojního průkazu"_qs, {}, u"_000.jpg"_qs,
         u"Žádost o vydání zbrojního průkazu, dle Vyhlášky 50/1996 Sb."_qs,
         u"Žádost o vydání zbrojního průkazu se podává po úspěšně ukončené zkoušce odborné způsobilosti, spolu s "
         "fotografií a podepsaným čestným prohlášením. Platí se poplatek za kolek. Po vydání zbrojního průkazu se "
         "platí za každou skupinu 500,-Kč."_qs,
         {}},
        {u"Zadní strana dokumentu (zvzp)"_qs, u"Žádost o vydání zbrojního průkazu"_qs, u"_001.jpg"_qs,
         u"Žádost o vydání zbrojního průkazu, dle Vyhlášky 50/1996 Sb., zadní strana"_qs,
         u"Zadní strana obsahuje též potvrzení lékaře, který se vyjadřuje k aktuálnímu zdravotnímu stavu, kontrola "
         "očí, tlaku. Případně i jiné vyjádření. Zákon 288/1995 Sb. §42!"_qs,
         {}},
        {u"Přihláška ke zkoušce odborné způsobilosti"_qs, {}, u"_002.jpg"_qs,
         u"Přihláška ke zkoušce odborné způsobilosti, dle Vyhlášky 50/1996 Sb."_qs,
         u"Při podání této žádosti by si měl žadatel uvědomit, o jakou skupinu žádá. Pozdější změna už nebuda "
         "možná. Úspěšně zakončená zkouška odb. způsobilosti platí 1 rok."_qs,
         u"V této době je možné bez nutnosti testu rozšířit skupiny (pouze na podřadnější) a je nutno podat "
         "žádost o ZP, jinak dokument zaniká a je nutno vše opakovat."_qs},
        {u"Záznam o provedení zkoušky"_qs, {}, u"_003.jpg"_qs,
         u"Záznam o provedení zkoušky, dle Vyhlášky 50/1996 Sb."_qs,
         u"Na tento formulář se zároveň provádí test dané skupiny. Jde o teoretickou část, na kterou je 40 min, "
         "praktickou (sborka / rozborka) a střelbu na cíl."_qs,
         u"Provádění testu je postupné v uvedeném pořadí, pokud uchazeč neprojde teorií není připuštěn k "
         "praktické zkoušce a střelbě, atd."_qs},
        {u"Žádost o registraci zbraně"_qs, {}, u"_004.jpg"_qs,
         u"Žádost o registraci zbraně, dle Vyhlášky 50/1996 Sb."_qs,
         u"Tato žádost se podává při registraci nové zbraně a to do pěti dnů po získání zbraně! a určitou skupinu "
         "lze registrovat jen určené zbraně."_qs,
         u"Např.: Na skupinu \"G\" lze registrovat pouze krátké palné zbraně, ne zbraně určené pro sportovní "
         "střelbu (např.: perkusní)"_qs},
        {u"Žádost o znehodnocení zbraně"_qs, {}, u"_005.jpg"_qs,
         u"Žádost o znehodnocení zbraně, dle Vyhlášky 50/1996 Sb."_qs,
         u"Pokud chce žadatel znehodnotit zbraň, např. ke sběratelským účelům, podává tento formulář ..."_qs,
         u"Musí být uveden důvod znehodnocení zbraně !"_qs},
        {u"Zadní stana dokumentu (zzz)"_qs, u"Žádost o znehodnocení zbraně"_qs, u"_006.jpg"_qs,
         u"Žádost o znehodnocení zbraně, dle Vyhlášky 50/1996 Sb., zadní strana"_qs,
         u"Zadní stránka dokumentu obsahuje pouze rozhodnutí o žádosti."_qs, {}},
        {u"Žádost o vydání zbrojního průvodního listu"_qs, {}, u"_007.jpg"_qs,
         u"Žádost o vydání zbrojního průvodního listu, dle Vyhlášky 50/1996 Sb."_qs,
         u"Platí a vyplňuje se při trvalém vývozu, dovozu a průvozu zbraní a střeliva přes hranice státu ČR."_qs,
         u"Existují formuláře: Díl A, Díl B, odevzdávají se na hranicích Policii ČR!"_qs},
        {u"Žádost o vydání zbrojního oprávnění"_qs, {}, u"_008.jpg"_qs,
         u"Žádost o vydání zbrojního oprávnění, dle Vyhlášky 50/1996 Sb."_qs,
         u"Vydává se pro účely skladování a držení střeliva a výbušnin zbrojíři, držiteli ZP."_qs,
         u"dává se důvod vydání oprávnění a místo skladování (přechovávání) zbraní a střeliva."_qs},
        {u"Zadní strana dokumentu (zvzo)"_qs, u"Žádost o vydání zbrojního oprávnění"_qs, u"_009.jpg"_qs,
         u"Žádost o vydání zbrojního oprávnění, dle Vyhlášky 50/1996 Sb., zadní strana"_qs,
         u"Nutno připojit ověřenou kopii živnostenského listu, koncesní listiny. licence."_qs,
         u"Dále přiloží doklady, které potvrdí správnost uvedených dokladů."_qs},
        {u"Žádost o prodloužení platnosti zbrojního průkazu"_qs, {}, u"_010.jpg"_qs,
         u"Žádost o prodloužení platnosti zbrojního průkazu, dle Vyhlášky 50/1996 Sb."_qs,
         u"Nutno podat 2 měsíce před uplynutím platnosti ZP na Policii ČR (okresek)."_qs,
         u"Připojit: čestné prohlášení, foto, doklad o zdravotní způsobilosti §47"_qs},
        {u"Zadní strana dokumentu (zpzp)"_qs, u"Žádost o prodloužení platnosti zbrojního průkazu"_qs, u"_011.jpg"_qs,
         u"Žádost o prodloužení zbrojního průkazu, dle Vyhlášky 50/1996 Sb., zadní strana"_qs,
         u"Obsahuje zdravotní vyjádření uchazeče. Nesmí být starší 3 měsíců !!!"_qs, {}},
        {u"Oznámení vlastnictví ke zbrani"_qs, {}, u"_012.jpg"_qs,
         u"Oznámení vlastnictví ke zbrani, dle Vyhlášky 50/1996 Sb."_qs,
         u"Platí pro zbraně podléhající registraci. Zákon 288/1995 Sb., §11 - §16"_qs,
         u"V §17 jsou uvedeny zbraně NEpodléhající registraci ..."_qs},
        {u"Čestné prohlášení"_qs, {}, u"_013.jpg"_qs, u"Čestné prohlášení, dle Vyhlášky 50/1996 Sb."_qs,
         u"Je součástí žádosti o vydání zbrojního průkazu i žádosti o jeho prodloužení"_qs, {}},
        {u"Osvědčení odborné způsobilosti"_qs, {}, u"_014.jpg"_qs,
         u"Osvědčení odborné způsobilosti, dle Vyhlášky 50/1996 Sb."_qs,
         u"Osvědčení se vydává jako doklad o úspěšném provedení zkoušky. Platnost 1 rok."_qs,
         u"Jde o zkoušky: teoretickou, praktickou a střelbu na cíl."_qs},
        {u"Zbrojní průkaz"_qs, {}, u"_015.jpg"_qs, u"Zbrojní průkaz, dle Vyhlášky 50/1996 Sb."_qs,
         u"Na základě žádosti o zbrojní průkaz se vydává Zbrojní průkaz vymezených skupin."_qs,
         u"Platnost průkazu je 5 let (3 roky), poté se žádá o prodloužení formou žádosti"_qs},
        {u"Zbrojní oprávnění"_qs, {}, u"_016.jpg"_qs, u"Zbrojní oprávnění, dle Vyhlášky 50/1996 Sb."_qs,
         u"Souvisí s podnikáním, pracovní příležitosti. Daná osoba musí mít též ZP příslušné skupiny."_qs,
         u"Zákon 288/1995 Sb., §51 - §57."_qs},
        {u"Zbrojní průvodní list - díl \"A\""_qs, {}, u"_017.jpg"_qs,
         u"Zbrojní průvodní list - díl \"A\", dle Vyhlášky 50/1996 Sb."_qs, TravelNoteA, TravelNoteB},
        {u"Zbrojní průvodní list - díl \"B\""_qs, {}, u"_018.jpg"_qs,
         u"Zbrojní průvodní list - díl \"B\", dle Vyhlášky 50/1996 Sb."_qs, TravelNoteA, TravelNoteB},
        {u"Průkaz zbraně"_qs, {}, u"_019.jpg"_qs, u"Průkaz zbraně, dle Vyhlášky 50/1996 Sb."_qs,
         u"Osoba, vlastnící ZP si může pořídit zbraň pro příslušnou skupinu ZP. Tato zbraň má vystavený Průkaz "
         "zbraně."_qs,
         u"Průkaz zbraně musí mít držitel zbraně u sebe se ZP, pokud má u sebe danou zbraň !!!"_qs},
        {u"Průkaz zkušebního komisaře"_qs, {}, u"_020.jpg"_qs,
         u"Průkaz zkušebního komisaře, dle Vyhlášky 50/1996 Sb."_qs,
         u"Zkušební komisař se prokazuje tímto dokladem."_qs, {}},
        {u"Zkušební řád"_qs, {}, u"nofile.jpg"_qs, u"Zkušební řád - text, dle Vyhlášky 50/1996 Sb."_qs,
         u"Popis jednotlivých zkoušek, teorie, praktická, střelba."_qs, {}, true},
    };
    return annexes;
}

const FormAnnex *findFormAnnex(const QString &text)
{
    for (const FormAnnex &annex : formAnnexes()) {
        if (annex.text == text)
            return &annex;
    }
    return nullptr;
}
