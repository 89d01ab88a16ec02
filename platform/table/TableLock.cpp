#include "platform/table/TableLock.h"

#include <cerrno>
#include <cstring>
#include <sys/file.h>

TableLock::TableLock(const QFile &tableFile, Mode mode) : m_descriptor(tableFile.handle())
{
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    int result = 0;
    do
        result = ::flock(m_descriptor, operation);
    while (result != 0 && errno == EINTR);
    m_held = result == 0;
    if (!m_held && errno != ENOLCK && errno != EOPNOTSUPP)
        m_taken = Failure{QString::fromLocal8Bit(std::strerror(errno))};
}

TableLock::~TableLock()
{
    if (m_held)
        ::flock(m_descriptor, LOCK_UN);
}
