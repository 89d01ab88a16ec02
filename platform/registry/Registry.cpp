#include "platform/registry/Registry.h"

#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Entry that makes a key without values exist. Stored value names never look
// like it: escaping turns every "%" into "%25".
const QString kKeyMarker = QStringLiteral("%key");

QString storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Varnel/registry.ini");
}

// "\Software\Kestrin\Varnel" -> "Software/Kestrin/Varnel".
QString groupOf(const QString &keyPath)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    return keyPath.split(separators, Qt::SkipEmptyParts).join(u'/');
}

// Value names may hold the settings' own separators; the unnamed default
// value is "@", as in exported registry files.
QString entryOf(const QString &valueName)
{
    if (valueName.isEmpty())
        return QStringLiteral("@");
    QString entry = valueName;
    entry.replace(u'%', QStringLiteral("%25"))
        .replace(u'/', QStringLiteral("%2F"))
        .replace(u'\\', QStringLiteral("%5C"));
    return entry == u"@" ? QStringLiteral("%40") : entry;
}

bool keyExists(QSettings &settings)
{
    return !settings.childKeys().isEmpty() || !settings.childGroups().isEmpty();
}

} // namespace

RegistryKey::RegistryKey(const QString &group)
    : m_settings(std::make_unique<QSettings>(storePath(), QSettings::IniFormat)),
      m_group(group)
{
    m_settings->beginGroup(m_group);
}

RegistryKey::~RegistryKey() = default;

std::unique_ptr<RegistryKey> RegistryKey::open(const QString &keyPath, bool create)
{
    std::unique_ptr<RegistryKey> key(new RegistryKey(groupOf(keyPath)));
    if (keyExists(*key->m_settings))
        return key;
    if (!create)
        return nullptr;
    key->m_settings->setValue(kKeyMarker, QString());
    if (!key->stored())
        return nullptr;
    return key;
}

bool RegistryKey::valueExists(const QString &name) const
{
    m_settings->sync();
    return m_settings->contains(entryOf(name));
}

QString RegistryKey::readString(const QString &name) const
{
    m_settings->sync();
    return m_settings->value(entryOf(name)).toString();
}

bool RegistryKey::writeString(const QString &name, const QString &value)
{
    m_settings->setValue(entryOf(name), value);
    return stored();
}

bool RegistryKey::deleteValue(const QString &name)
{
    m_settings->remove(entryOf(name));
    return stored();
}

// QSettings writes lazily and only tells of a failed write through its status.
bool RegistryKey::stored()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
