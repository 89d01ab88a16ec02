#include "platform/files/PathResolver.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString folded(const QString &name)
{
    return name.normalized(QString::NormalizationForm_C).toCaseFolded();
}

// The entry of `folder` that equals `name` ignoring case; when several do and
// none is spelled exactly, the least in code-point order, so the choice is stable.
QString matchIgnoringCase(const QString &folder, const QString &name)
{
    const QString wanted = folded(name);
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QString best;
    for (const QString &entry : entries) {
        if (folded(entry) == wanted && (best.isEmpty() || entry < best))
            best = entry;
    }
    return best;
}

// An empty folder is the current folder.
QString joined(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

} // namespace

QString PathResolver::resolve(const QString &folder, const QString &relative)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    QString path = folder;
    bool onDisk = QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).isDir();
    for (const QString &component : relative.split(separators, Qt::SkipEmptyParts)) {
        if (component == u".")
            continue;
        QString name = component;
        if (onDisk && component != u".." && !QFileInfo::exists(joined(path, component))) {
            const QString match = matchIgnoringCase(path, component);
            if (match.isEmpty())
                onDisk = false;
            else
                name = match;
        }
        path = joined(path, name);
    }
    return path;
}

QString PathResolver::resolve(const QString &path)
{
    if (QDir::isRelativePath(path))
        return resolve(QDir::currentPath(), path);
    return resolve(QStringLiteral("/"), path);
}
