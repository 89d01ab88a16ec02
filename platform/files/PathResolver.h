#pragma once

#include <QString>

// The one place where file names the programs spell are matched against the
// disk. Windows ignored letter case; Linux does not.
class PathResolver
{
public:
    // Joins a program-style relative path ("Prilohy\_000.jpg", "Language/Česky.cln";
    // "\" and "/" both separate) under `folder`. Each component is taken as
    // spelled when it exists, else matched ignoring case (Unicode case folding)
    // against the folder's entries; a component that matches nothing keeps the
    // given spelling, so the result also names what a caller is about to create.
    static QString resolve(const QString &folder, const QString &relative);

    // The same for a whole path: an absolute one ("/qalmoren.set",
    // "/home/x/Central.vqt") from the root, a relative one ("central.vqn",
    // "bank/central.vqn") from the current folder, giving an absolute path.
    static QString resolve(const QString &path);
};
