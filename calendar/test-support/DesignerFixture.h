#pragma once

#include "calendar/language/LanguageLines.h"
#include "calendar/app/DesignerStartup.h"
#include "platform/text/TextLineFile.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A program folder with its settings file and the Czech language file, and
// the designer started from it.
struct DesignerFixture
{
    QTemporaryDir dir;

    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }

    void prepareFolder(const QStringList &settings = {LanguageLines::CzechFileName})
    {
        QDir(dir.path()).mkdir(QStringLiteral("Language"));
        const Result<> czech = TextLineFile::write(path(QStringLiteral("Language/") + LanguageLines::CzechFileName),
                                                   LanguageLines::builtInCzech());
        QVERIFY2(czech, qPrintable(czech.error()));
        if (!settings.isEmpty()) {
            const Result<> written =
                TextLineFile::write(path(QStringLiteral("Data.dat")), settings, TextLineFile::LastLine::Unterminated);
            QVERIFY2(written, qPrintable(written.error()));
        }
    }

    DesignerStartup &start()
    {
        startup = std::make_unique<DesignerStartup>(path(QStringLiteral("Vuvuzodi")));
        return *startup;
    }

    // A small picture of one colour; its path, or empty when it was not written.
    QString picture(const QString &name, Qt::GlobalColor color = Qt::green) const
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(color);
        return image.save(path(name)) ? path(name) : QString();
    }

    std::unique_ptr<DesignerStartup> startup;
};
