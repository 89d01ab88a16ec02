// Build-time tool: writes the version block of a program from its description.
#include "platform/version-resource/VersionDescription.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <description> <block>\n", argv[0]);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const Result<VersionInfoDescription> description =
        VersionDescription::parse(QString::fromUtf8(input.readAll()));
    const QByteArray block = description ? buildVersionInfoBlock(*description) : QByteArray();
    if (block.isEmpty()) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1],
                     qPrintable(description ? QStringLiteral("too large for a version block") : description.error()));
        return 1;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(block) != block.size() || !output.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
