#pragma once

#include "platform/pictures/Picture.h"

#include <QByteArray>

// Enhanced metafiles: parsed with libUEMF, played back onto QPainter and kept
// as a recording.
namespace EmfPlayer {
std::variant<Picture, QString> decode(const QByteArray &data);
}
