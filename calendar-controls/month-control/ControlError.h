#pragma once

#include <QString>

#include <stdexcept>

// The error a control's property write raises to whoever set it (a document
// being read stops on it).
class ControlError : public std::runtime_error
{
public:
    explicit ControlError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
