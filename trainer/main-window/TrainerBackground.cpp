#include "trainer/main-window/TrainerBackground.h"

#include "trainer/main-window/TrainerArt.h"

#include <QPainter>

TrainerBackground::TrainerBackground(QWidget *parent) : QWidget(parent)
{
    // The picture covers every pixel: the window's white beneath it is not
    // painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TrainerBackground::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    TrainerArt::paintBackground(painter);
}
