#pragma once

#include <QtGlobal>

// Where the print command goes for a document kind.
enum class PrintRoute { PrinterDialog, PrintWindow, Nothing };

constexpr PrintRoute printRouteFor(quint8 docKind)
{
    switch (docKind) {
    case 0: return PrintRoute::PrinterDialog;
    case 1: return PrintRoute::PrintWindow;
    default: return PrintRoute::Nothing;
    }
}
