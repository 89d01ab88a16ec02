#pragma once

#include <QByteArrayView>

// The data of the first RT_VERSION resource of a PE image; empty when the
// image is no PE file, has no such resource or its tables point outside it.
QByteArrayView versionResourceOfPe(QByteArrayView image);
