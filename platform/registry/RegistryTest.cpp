#include "platform/registry/Registry.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

class RegistryTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    const QString m_trainerKey = QStringLiteral("\\Software\\Kestrin\\Varnel");

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    void missingKeyOpensOnlyWhenCreated()
    {
        QVERIFY(!RegistryKey::open(QStringLiteral("\\Software\\Nobody"), false));
        QVERIFY(RegistryKey::open(QStringLiteral("\\Software\\Nobody"), true));
        QVERIFY(RegistryKey::open(QStringLiteral("\\Software\\Nobody"), false));
        QVERIFY(RegistryKey::open(QStringLiteral("\\Software"), false));
        QVERIFY(!RegistryKey::open(QStringLiteral("\\Software\\Nobody\\Deeper"), false));
    }

    void valuesPersistInTheUsersStore()
    {
        {
            auto key = RegistryKey::open(m_trainerKey, true);
            QVERIFY(key);
            QVERIFY(!key->valueExists(QStringLiteral("Version")));
            key->writeString(QStringLiteral("Version"), QStringLiteral("2002.A"));
            key->writeString(QStringLiteral("Dat_verze"), QStringLiteral("27.06.2002"));
        }
        QVERIFY(QFile::exists(m_config.filePath(QStringLiteral("Varnel/registry.ini"))));
        const auto key = RegistryKey::open(m_trainerKey, false);
        QVERIFY(key);
        QVERIFY(key->valueExists(QStringLiteral("Version")));
        QCOMPARE(key->readString(QStringLiteral("Version")), QStringLiteral("2002.A"));
        QCOMPARE(key->readString(QStringLiteral("Dat_verze")), QStringLiteral("27.06.2002"));
        QCOMPARE(key->readString(QStringLiteral("Chybí")), QString());
    }

    void namesKeepTheirIdentity_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("default value") << "" << "";
        QTest::newRow("at sign") << "@" << "zavináč";
        QTest::newRow("percent") << "%key" << "a";
        QTest::newRow("separators") << "a/b\\c" << u"Žluťoučký, kůň = \"x\""_qs;
        QTest::newRow("spaces") << "Post Platform" << "  ";
    }
    void namesKeepTheirIdentity()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        const QString keyPath = QStringLiteral("\\Software\\Microsoft\\Windows\\CurrentVersion\\"
                                               "Internet Settings\\User Agent\\Post Platform");
        auto writer = RegistryKey::open(keyPath, true);
        QVERIFY(writer);
        QVERIFY(!writer->valueExists(name));
        writer->writeString(name, value);

        const auto reader = RegistryKey::open(keyPath, false);
        QVERIFY(reader->valueExists(name));
        QCOMPARE(reader->readString(name), value);
        // No other value answers for this one.
        for (const QString &other : {QString(), QStringLiteral("@"), QStringLiteral("%key"),
                                     QStringLiteral("a"), QStringLiteral("b")}) {
            if (other != name)
                QVERIFY2(!reader->valueExists(other), qPrintable(other));
        }

        writer->deleteValue(name);
        QVERIFY(!reader->valueExists(name));
        QVERIFY(RegistryKey::open(keyPath, false));
    }

    void deletingMissingValueDoesNothing()
    {
        auto key = RegistryKey::open(m_trainerKey, true);
        key->deleteValue(QStringLiteral("Nikdy"));
        QCOMPARE(key->readString(QStringLiteral("Version")), QStringLiteral("2002.A"));
    }

    // The store's folder cannot be made (its parent is a file, which holds
    // even for root), or the store itself is gone and replaced by a file where
    // its folder was: nothing can be written, and each call says so.
    void failedWritesAreReported()
    {
        const auto restore = qScopeGuard([this] { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); });
        QTemporaryDir broken;
        QFile blocker(broken.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        QVERIFY(!RegistryKey::open(m_trainerKey, true));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(broken.path()));

        auto key = RegistryKey::open(m_trainerKey, true);
        QVERIFY(key);
        QVERIFY(key->writeString(QStringLiteral("Version"), QStringLiteral("2002.A")));
        QVERIFY(QDir(broken.filePath(QStringLiteral("Varnel"))).removeRecursively());
        QVERIFY(QFile::copy(blocker.fileName(), broken.filePath(QStringLiteral("Varnel"))));
        QVERIFY(!key->writeString(QStringLiteral("Dat_verze"), QStringLiteral("27.06.2002")));
        QVERIFY(!key->deleteValue(QStringLiteral("Version")));
    }

    void keyPathsIgnoreSeparatorSpelling()
    {
        const auto key = RegistryKey::open(QStringLiteral("Software/Kestrin\\Varnel\\"), false);
        QVERIFY(key);
        QCOMPARE(key->readString(QStringLiteral("Version")), QStringLiteral("2002.A"));
    }
};

QTEST_MAIN(RegistryTest)
#include "RegistryTest.moc"
