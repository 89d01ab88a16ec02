#pragma once

#include "platform/result/Result.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Replacing files so that a failure never leaves a half-written file: the new
// content goes to a temporary file in the target's folder, is flushed, and is
// renamed over the target (over the file a link names, when the target is a
// link). The temporary file is ".<name>.<program>-new-XXXXXX", hidden and
// named after the running program, so that removeLeftovers() can take what a
// stopped program left without touching anyone else's files.
namespace SafeFile {

Result<> replace(const QString &path, const QByteArray &content);

// The same, with the content produced by `write` into the temporary file; a
// writer that returns false (or a device error) keeps the old file.
using Writer = std::function<bool(QIODevice &out)>;
Result<> replaceWith(const QString &path, const Writer &write);

// Two files that belong together (a table and its memo file). Both new
// contents are written and flushed, and a journal beside the first file
// records the replace, before either target is touched; if the second rename
// fails the first is rolled back, so the old pair stays whole. A program
// stopped part-way leaves the journal, from which finishPairReplace() makes the
// pair all new or all old again; a replace settles such a journal of its pair
// before it starts.
Result<> replacePair(const QString &firstPath, const QByteArray &firstContent,
                     const QString &secondPath, const QByteArray &secondContent);

// Completes, or where it cannot undoes, a pair replace of `firstPath` and
// `secondPath` that stopped part-way and left its journal beside the first;
// with no journal there is nothing to do. A replace still running is waited
// for. The journal is untrusted: one that is no plain file, too large, not
// understood, or that names anything but this pair and the program's own
// copies beside it is damaged, and then nothing is touched and the failure
// names it. A journal or copy that cannot be removed afterwards is a failure.
Result<> finishPairReplace(const QString &firstPath, const QString &secondPath);

// Removes the staged new contents (".<name>.<program>-new-XXXXXX") that
// replaces of `path` stopped part-way left beside it, except those of a
// replace that is still running. Only names of exactly that pattern go.
void removeLeftovers(const QString &path);
// The same for a file of pairs, also taking the kept old contents
// ("-old-") and staged journals. A pair replace's journal is settled first
// (finishPairReplace), or its staged files are lost to it.
void removePairLeftovers(const QString &path);

// Test seam: while one is alive, `step` runs between the two renames of every
// pair replace, so a test can stop the program there.
class BetweenPairRenames
{
public:
    explicit BetweenPairRenames(std::function<void()> step);
    ~BetweenPairRenames();
    BetweenPairRenames(const BetweenPairRenames &) = delete;
    BetweenPairRenames &operator=(const BetweenPairRenames &) = delete;
};

// Like replace(), for a fixed name in a folder that other users may share
// (the temporary folder): a link standing under the name is replaced by the
// new file as any file is, and what it names is never written or made. The
// new file is readable by its owner only, whatever stood there.
Result<> replaceName(const QString &path, const QByteArray &content);

} // namespace SafeFile
