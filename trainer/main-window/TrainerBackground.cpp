#include "trainer/main-window/TrainerBackground.h"

#include "trainer/main-window/TrainerArt.h"

#include <QPainter>

void TrainerBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    TrainerArt::paintBackground(painter);
}
