#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// Test support: a tiny tmpfs that fills up, mounted on a temporary folder
// while the object lives. Mounting needs root; callers skip without it.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(const QString &size = QStringLiteral("64k"))
    {
        if (!m_folder.isValid())
            return;
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                       QStringLiteral("size=") + size, QStringLiteral("tmpfs"), m_folder.path()})
                    == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder.path()});
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_folder.path(); }

    // Takes up what is left of the space, leaving `spare` bytes.
    bool fill(qint64 spare = 0) const
    {
        QFile filler(m_folder.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {}
        filler.close();
        return spare == 0 || filler.resize(std::max<qint64>(0, filler.size() - spare));
    }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};
