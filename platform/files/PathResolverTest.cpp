#include "platform/files/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PathResolverTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;

    void makeFile(const QString &relative)
    {
        const QString path = m_root.filePath(relative);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        makeFile(QStringLiteral("PRILOHY/_000.jpg"));
        makeFile(QStringLiteral("Language/Česky.cln"));
        makeFile(QStringLiteral("Twins/data.DAT"));
        makeFile(QStringLiteral("Twins/Data.dat"));
        makeFile(QStringLiteral("Twins/DATA.DAT"));
        makeFile(QStringLiteral("Nfd/") + QStringLiteral("Česky.cln").normalized(QString::NormalizationForm_D));
        makeFile(QStringLiteral("Data.dat"));
        makeFile(u"Jazyky/Česky.cln"_qs);
        makeFile(u"Jazyky/česky.cln"_qs);
    }

    void resolvesUnderFolder_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exact") << "PRILOHY/_000.jpg" << "PRILOHY/_000.jpg";
        QTest::newRow("backslash, other case") << "Prilohy\\_000.JPG" << "PRILOHY/_000.jpg";
        QTest::newRow("non-ASCII other case") << u"language\\česky.cln"_qs << u"Language/Česky.cln"_qs;
        QTest::newRow("exact twin wins") << "Twins/Data.dat" << "Twins/Data.dat";
        QTest::newRow("other exact twin wins") << "twins/DATA.DAT" << "Twins/DATA.DAT";
        QTest::newRow("no exact twin: least code point") << "Twins/data.dat" << "Twins/DATA.DAT";
        QTest::newRow("non-ASCII exact twin wins") << u"Jazyky/česky.cln"_qs << u"Jazyky/česky.cln"_qs;
        QTest::newRow("other non-ASCII exact twin wins") << u"jazyky/Česky.cln"_qs << u"Jazyky/Česky.cln"_qs;
        QTest::newRow("no exact non-ASCII twin") << u"JAZYKY/ČESKY.CLN"_qs << u"Jazyky/Česky.cln"_qs;
        QTest::newRow("decomposed on disk") << u"Nfd/ČESKY.CLN"_qs
                                            << QStringLiteral("Nfd/")
                                                   + QStringLiteral("Česky.cln").normalized(QString::NormalizationForm_D);
        QTest::newRow("missing file keeps spelling") << "Prilohy/_999.jpg" << "PRILOHY/_999.jpg";
        QTest::newRow("missing middle folder") << "Zaloha\\sub\\Data.DAT" << "Zaloha/sub/Data.DAT";
        QTest::newRow("below a file") << "data.DAT/x" << "Data.dat/x";
        QTest::newRow("doubled and dot separators") << "\\Prilohy\\\\.\\_000.jpg" << "PRILOHY/_000.jpg";
        QTest::newRow("parent step") << "Language/../data.dat" << "Language/../Data.dat";
        QTest::newRow("empty") << "" << "";
    }
    void resolvesUnderFolder()
    {
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        for (const QString &folder : {m_root.path(), m_root.path() + u'/'}) {
            const QString want = expected.isEmpty() ? folder : m_root.path() + u'/' + expected;
            QCOMPARE(PathResolver::resolve(folder, relative), want);
        }
    }

    void resolvesAbsolutePath()
    {
        const QString upper = m_root.path() + QStringLiteral("/prilohy/_000.JPG");
        QCOMPARE(PathResolver::resolve(upper), m_root.filePath(QStringLiteral("PRILOHY/_000.jpg")));
        QCOMPARE(PathResolver::resolve(QStringLiteral("/")), QStringLiteral("/"));
    }

    void emptyFolderIsTheCurrentFolder()
    {
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_root.path()));
        const QString resolved = PathResolver::resolve(QString(), QStringLiteral("prilohy\\_000.jpg"));
        QDir::setCurrent(saved);
        QCOMPARE(resolved, QStringLiteral("PRILOHY/_000.jpg"));
    }

    void relativePathIsTakenFromTheCurrentFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("existing, other case") << "prilohy/_000.JPG" << "PRILOHY/_000.jpg";
        QTest::newRow("new file") << "central.vqt" << "central.vqt";
        QTest::newRow("dot folder") << "./data.DAT" << "Data.dat";
        QTest::newRow("new folder") << "bankdir/central.vqn" << "bankdir/central.vqn";
    }
    void relativePathIsTakenFromTheCurrentFolder()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_root.path()));
        const QString resolved = PathResolver::resolve(path);
        QDir::setCurrent(saved);
        QCOMPARE(resolved, m_root.filePath(expected));
    }
};

QTEST_MAIN(PathResolverTest)
#include "PathResolverTest.moc"
