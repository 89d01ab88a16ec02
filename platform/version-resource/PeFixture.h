#pragma once

#include <QByteArray>

// Test files: a minimal PE32 image whose only resource is the given block as
// its version resource; an empty block gives an image without resources.
namespace PeFixture {

QByteArray image(const QByteArray &versionBlock);

} // namespace PeFixture
