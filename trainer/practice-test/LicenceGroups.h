#pragma once

#include <QChar>
#include <QString>

#include <array>

// The firearms-licence groups the test can be taken for.
struct LicenceGroup
{
    QString caption;
    QChar letter;
    int passMark;
    QString description;
};

namespace LicenceGroups {

inline constexpr int Count = 8;
// Shown chosen when the test-start dialog opens.
inline constexpr int DefaultIndex = 6;

const std::array<LicenceGroup, Count> &all();

} // namespace LicenceGroups
