#pragma once

#include <QByteArray>
#include <QString>

// Where a program file keeps its version block: the RT_VERSION resource of a
// PE file, or for our own Linux programs the ELF section of this name.
inline constexpr char VersionSectionName[] = ".vs_version_info";

namespace VersionResource {

// The VS_VERSIONINFO bytes of the file at `path`; empty for an empty path, a
// missing or unreadable file, a file without a version block or a damaged one.
QByteArray readBlock(const QString &path);

} // namespace VersionResource
