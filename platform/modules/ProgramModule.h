#pragma once

#include "platform/messages/PlatformMessages.h"
#include "platform/result/Result.h"

#include <QObject>
#include <QString>

#include <utility>

// A part of a program that lives in a plugin of its own beside the program
// file, so that the large libraries it carries are loaded only when it is
// first used. The plugin's root object offers an interface declared with
// Q_DECLARE_INTERFACE.
namespace ProgramModule {

// The root object of the plugin `name` (the file lib`name`.so in the program
// folder), or the reason why it cannot be loaded.
Result<QObject *> loadPlugin(const QString &name);

// A module's interface, loaded on first use; a failure's reason follows
// `failureLead`, which says what cannot be opened. Test seam: while an
// Override exists, `get` hands out its stand-in and loads nothing.
template <typename Interface>
class Loaded
{
public:
    Loaded(QString name, QString failureLead) : m_name(std::move(name)), m_failureLead(std::move(failureLead)) {}

    Result<Interface *> get()
    {
        if (standIn())
            return standIn();
        if (!m_loaded) {
            const Result<QObject *> plugin = loadPlugin(m_name);
            if (!plugin)
                return Failure{m_failureLead + plugin.error()};
            m_loaded = qobject_cast<Interface *>(*plugin);
            if (!m_loaded)
                return Failure{m_failureLead
                               + PlatformMessages::moduleLacksInterface(
                                   m_name, QString::fromLatin1(qobject_interface_iid<Interface *>()))};
        }
        return m_loaded;
    }

    class Override
    {
    public:
        explicit Override(Interface &standInInterface) : m_previous(standIn()) { standIn() = &standInInterface; }
        ~Override() { standIn() = m_previous; }
        Override(const Override &) = delete;
        Override &operator=(const Override &) = delete;

    private:
        Interface *m_previous;
    };

private:
    static Interface *&standIn()
    {
        static Interface *interface = nullptr;
        return interface;
    }

    QString m_name;
    QString m_failureLead;
    Interface *m_loaded = nullptr;
};

} // namespace ProgramModule
