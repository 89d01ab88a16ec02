#pragma once

#include "calendar/year-dialogs/YearDialog.h"

class QComboBox;

// The year-and-month dialog of the single-month document: Label1 and
// SpinEdit1 the year, Label2 and ComboBox1 the month, Button1 OK, Button2
// Storno.
class TForm4 : public YearDialog
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    QLabel *Label2 = nullptr;
    // The twelve month names, January first.
    QComboBox *ComboBox1 = nullptr;
};

// The year-and-month dialog, live from start-up to the end of the program.
extern TForm4 *Form4;
