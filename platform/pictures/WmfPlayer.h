#pragma once

#include "platform/pictures/Picture.h"

#include <QByteArray>

class QPainter;

// Windows metafiles, with or without the placeable header: the records
// (numbered as libUEMF declares them) played onto QPainter as vectors, each
// time the picture is drawn. The placeable header's frame and resolution
// give the picture's size, or else the first window extent the file sets.
namespace WmfPlayer {
Result<Picture> decode(const QByteArray &data);
// Plays the file in the picture's own pixels; false when it is damaged.
bool play(const QByteArray &data, QPainter &painter);
} // namespace WmfPlayer
