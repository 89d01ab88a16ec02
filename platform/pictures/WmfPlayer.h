#pragma once

#include "platform/pictures/Picture.h"

#include <QByteArray>

// Windows metafiles: interpreted and drawn by libwmf into a bitmap of their
// natural size at screen resolution.
namespace WmfPlayer {
std::variant<Picture, QString> decode(const QByteArray &data);
}
