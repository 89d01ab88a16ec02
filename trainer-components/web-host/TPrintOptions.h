#pragma once

#include <QString>
#include <QStringList>

// Stored margins: nothing in printing reads them, the page follows the
// engine's own page setup.
struct TMargins
{
    double Left = 0;
    double Right = 0;
    double Top = 0;
    double Bottom = 0;
};

enum class TPrintOrientationOption : quint8 { poPortrait, poLandscape };

// What PrintDocument hands to the print engine.
struct TPrintOptions
{
    // Handed over with the job and otherwise unused.
    QStringList HTMLHeader{QStringLiteral("<HTML></HTML>")};
    QString Header;
    QString Footer;
    TMargins Margins;
    TPrintOrientationOption Orientation = TPrintOrientationOption::poPortrait;

    void SetHTMLHeader(const QStringList &lines) { HTMLHeader = lines; }
};
