#pragma once

// Test support: a CUPS scheduler of the test's own, in a folder of its own,
// with one printer "keep", the default, whose backend keeps every job as it
// was sent. The test program's print jobs go there while it lives; the
// system's scheduler is never asked.

#include "platform/files/TestFiles.h"

#include <cups/cups.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <optional>

class TestQueue
{
public:
    struct Job
    {
        QByteArray bytes; // as the backend got them
        QString title;    // the job's name
        QString documentName;
    };

    TestQueue()
    {
        if (!QFile::exists(Scheduler) || !m_dir.isValid())
            return;
        // The backend runs as the scheduler's own user.
        QFile::setPermissions(m_dir.path(), QFileDevice::Permissions(0x7755));
        const QDir dir(m_dir.path());
        for (const char *folder : {"spool", "tmp", "state", "cache", "log", "bin/backend", "out"})
            dir.mkpath(QString::fromLatin1(folder));
        QFile::setPermissions(dir.filePath(QStringLiteral("out")), QFileDevice::Permissions(0x7777));
        QFile::link(QStringLiteral("/usr/lib/cups/daemon"), dir.filePath(QStringLiteral("bin/daemon")));
        const QString backend = dir.filePath(QStringLiteral("bin/backend/keep"));
        TestFiles::put(backend, "#!/bin/sh\n"
                       "if [ $# -eq 0 ]; then echo 'direct keep \"Unknown\" \"Keeps each job\"'; exit 0; fi\n"
                       "out=\"${DEVICE_URI#keep:}\"\n"
                       "if [ -n \"$6\" ]; then cat \"$6\"; else cat; fi > \"$out/job-$1.pdf\"\n"
                       "printf '%s' \"$3\" > \"$out/job-$1.title\"\n"
                       ": > \"$out/job-$1.done\"\n");
        QFile::setPermissions(backend, QFileDevice::Permissions(0x7555));
        m_socket = dir.filePath(QStringLiteral("cups.sock"));
        TestFiles::put(dir.filePath(QStringLiteral("cupsd.conf")),
              QStringLiteral("Listen %1\nLogLevel warn\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n")
                  .arg(m_socket)
                  .toUtf8());
        QString files;
        for (const auto &[key, value] :
             {std::pair{"ServerRoot", ""}, {"RequestRoot", "/spool"}, {"TempDir", "/tmp"}, {"StateDir", "/state"},
              {"CacheDir", "/cache"}, {"ServerBin", "/bin"}, {"ErrorLog", "/log/error_log"},
              {"AccessLog", "/log/access_log"}, {"PageLog", "/log/page_log"}, {"Printcap", "/printcap"}})
            files += QStringLiteral("%1 %2%3\n")
                         .arg(QString::fromLatin1(key), m_dir.path(), QString::fromLatin1(value));
        files += QStringLiteral("DataDir /usr/share/cups\n");
        TestFiles::put(dir.filePath(QStringLiteral("cups-files.conf")), files.toUtf8());

        m_scheduler.start(Scheduler, {QStringLiteral("-f"), QStringLiteral("-c"),
                                      dir.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                                      dir.filePath(QStringLiteral("cups-files.conf"))});
        if (!m_scheduler.waitForStarted() || !waitFor(m_socket))
            return;
        // This process prints there from now on.
        qputenv("CUPS_SERVER", m_socket.toUtf8());
        cupsSetServer(m_socket.toUtf8().constData());
        const auto admin = [this](const QStringList &arguments) {
            return QProcess::execute(QStringLiteral("lpadmin"), QStringList{QStringLiteral("-h"), m_socket} + arguments)
                == 0;
        };
        m_ready = admin({QStringLiteral("-p"), Printer, QStringLiteral("-E"), QStringLiteral("-v"),
                         QStringLiteral("keep:") + dir.filePath(QStringLiteral("out"))})
            && admin({QStringLiteral("-d"), Printer});
    }

    ~TestQueue()
    {
        if (m_scheduler.state() != QProcess::NotRunning) {
            m_scheduler.terminate();
            m_scheduler.waitForFinished(10000);
        }
    }

    TestQueue(const TestQueue &) = delete;
    TestQueue &operator=(const TestQueue &) = delete;

    bool ready() const { return m_ready; }

    // The job of that number (1 for a fresh queue's first) once the backend
    // has kept it.
    std::optional<Job> job(int id) const
    {
        const QDir out(QDir(m_dir.path()).filePath(QStringLiteral("out")));
        const QString stem = QStringLiteral("job-%1").arg(id);
        if (!waitFor(out.filePath(stem + QStringLiteral(".done"))))
            return std::nullopt;
        return Job{TestFiles::contentOf(out.filePath(stem + QStringLiteral(".pdf"))),
                   QString::fromUtf8(TestFiles::contentOf(out.filePath(stem + QStringLiteral(".title")))), documentName(id)};
    }

    // Jobs that are neither printed nor taken back.
    int pendingJobs() const
    {
        cups_job_t *jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "keep", 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(count, jobs);
        return count;
    }

    inline static const QString Printer = QStringLiteral("keep");

private:
    inline static const QString Scheduler = QStringLiteral("/usr/sbin/cupsd");

    static bool waitFor(const QString &path)
    {
        for (int tries = 0; tries < 1000; ++tries) {
            if (QFile::exists(path))
                return true;
            QThread::msleep(10);
        }
        return false;
    }

    // The name of the job's document as the scheduler keeps it.
    static QString documentName(int id)
    {
        ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        const QByteArray uri = QStringLiteral("ipp://localhost/jobs/%1").arg(id).toUtf8();
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
        ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        ipp_attribute_t *name = ippFindAttribute(response, "document-name-supplied", IPP_TAG_NAME);
        const QString found = name ? QString::fromUtf8(ippGetString(name, 0, nullptr)) : QString();
        ippDelete(response);
        return found;
    }

    QTemporaryDir m_dir;
    QProcess m_scheduler;
    QString m_socket;
    bool m_ready = false;
};
