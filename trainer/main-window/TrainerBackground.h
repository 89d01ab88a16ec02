#pragma once

#include <QWidget>

// The main window's picture, painted straight onto the window: no picture
// is made at start.
class TrainerBackground : public QWidget
{
    Q_OBJECT

public:
    explicit TrainerBackground(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
