#pragma once

#include "calendar/year-dialogs/YearDialog.h"

// The year dialog of the year project: Label1 and SpinEdit1 the year,
// Button1 OK, Button2 Storno.
class TForm5 : public YearDialog
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);
};

// The year dialog, live from start-up to the end of the program.
extern TForm5 *Form5;
