#pragma once

#include "platform/pictures/Picture.h"

#include <QByteArray>

class QPainter;

// Enhanced metafiles: the records (laid out as libUEMF declares them) played
// onto QPainter as vectors, each time the picture is drawn.
namespace EmfPlayer {
Result<Picture> decode(const QByteArray &data);
// Plays the file in the picture's own pixels; false when it is damaged.
bool play(const QByteArray &data, QPainter &painter);
} // namespace EmfPlayer
