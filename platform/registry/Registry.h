#pragma once

#include <QString>

#include <memory>

class QSettings;

// HKEY_CURRENT_USER as a per-user INI file, $XDG_CONFIG_HOME/Varnel/registry.ini,
// one group per key path. Values are strings; keys are created on demand.
class RegistryKey
{
public:
    // `keyPath` as the programs spell it ("\Software\Kestrin\Varnel").
    // Returns null when the key is missing and `create` is false, or when
    // creating it could not be stored.
    static std::unique_ptr<RegistryKey> open(const QString &keyPath, bool create);
    ~RegistryKey();

    bool valueExists(const QString &name) const;
    QString readString(const QString &name) const; // "" when missing
    // Both report whether the store took the change.
    bool writeString(const QString &name, const QString &value);
    bool deleteValue(const QString &name); // a missing value is no error

private:
    explicit RegistryKey(const QString &group);
    bool stored();
    std::unique_ptr<QSettings> m_settings;
    QString m_group;
};
