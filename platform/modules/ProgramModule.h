#pragma once

#include "platform/result/Result.h"

#include <QString>

#include <utility>

// A part of a program that lives in a module of its own beside the program
// file, so that the large libraries it carries are loaded only when it is
// first used.
namespace ProgramModule {

// The interface the module `name` hands out from its entry `entry`, which
// takes nothing and returns a pointer to it; the loader's reason when the
// module or its entry cannot be found.
Result<void *> loadInterface(const QString &name, const char *entry);

// A module's interface, loaded on first use; a failure's reason follows
// `failureLead`, which says what cannot be opened. Test seam: while an
// Override exists, `get` hands out its stand-in and loads nothing.
template <typename Interface>
class Loaded
{
public:
    Loaded(QString name, const char *entry, QString failureLead)
        : m_name(std::move(name)), m_entry(entry), m_failureLead(std::move(failureLead))
    {
    }

    Result<Interface *> get()
    {
        if (standIn())
            return standIn();
        if (!m_loaded) {
            const Result<void *> loaded = loadInterface(m_name, m_entry);
            if (!loaded)
                return Failure{m_failureLead + loaded.error()};
            m_loaded = static_cast<Interface *>(*loaded);
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
    const char *m_entry;
    QString m_failureLead;
    Interface *m_loaded = nullptr;
};

} // namespace ProgramModule
