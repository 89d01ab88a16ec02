#pragma once

#include <QIcon>
#include <QSize>

class QPainter;

// The trainer's own artwork, drawn rather than shipped.
namespace TrainerArt {

inline constexpr QSize BackgroundSize{742, 524};

// A target on a light field over a dark band that carries the white texts.
void paintBackground(QPainter &painter);
QIcon programIcon();

} // namespace TrainerArt
