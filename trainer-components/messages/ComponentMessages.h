#pragma once

#include <QString>

// Every sentence that the trainer's components write for its user, in one
// place. A part of a sentence (lower case, no full stop) is a reason that
// another sentence quotes.
namespace ComponentMessages {

inline QString documentNotPrinted() { return QStringLiteral("Dokument nelze vytisknout."); }

inline QString pageNotPrepared() { return QStringLiteral("Prohlížeč stránku pro tisk nepřipravil."); }
inline QString pageNotPrepared(const QString &reason)
{
    return QStringLiteral("Prohlížeč stránku pro tisk nepřipravil: ") + reason;
}
inline QString pageNotPrinted(const QString &reason) { return QStringLiteral("Stránku nelze vytisknout: ") + reason; }
inline QString pageNotShown() { return QStringLiteral("prohlížeč ji nezobrazil."); }
inline QString bandsNotDrawn() { return QStringLiteral("záhlaví a zápatí nelze vykreslit"); }
inline QString bandsNotAllDrawn() { return QStringLiteral("záhlaví a zápatí se nevykreslila na všech stranách"); }

inline QString rendererEnded()
{
    return QStringLiteral("Prohlížeč stránku nezobrazil: jeho vykreslovací proces skončil "
                          "(stránka je možná příliš velká). Stránku nelze zobrazit ani "
                          "vytisknout, program ale pracuje dál.");
}
inline QString rendererEndedCaption() { return QStringLiteral("Zobrazení stránky"); }

} // namespace ComponentMessages
