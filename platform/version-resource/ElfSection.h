#pragma once

#include <QByteArrayView>

// The contents of the section called `name` in a little-endian ELF image
// (32 or 64 bit); empty when there is none or its tables are damaged.
QByteArrayView elfSection(QByteArrayView image, QByteArrayView name);
