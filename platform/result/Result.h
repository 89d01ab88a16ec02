#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

// A failure: the sentence that tells the user what went wrong, ready for a
// message box.
struct Failure
{
    QString message;
};

namespace ResultDetail {
inline const QString &noMessage()
{
    static const QString none;
    return none;
}
} // namespace ResultDetail

// The outcome of anything that can fail: the value, or the failure's
// message. It must be looked at, so no failure is dropped by accident.
// error() of a success is empty, so a check may quote it either way.
template <typename T = void>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure.message)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return std::get<0>(m_state); }
    T &value() & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }
    T &&operator*() && { return std::move(*this).value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }

    const QString &error() const
    {
        const QString *message = std::get_if<1>(&m_state);
        return message ? *message : ResultDetail::noMessage();
    }

private:
    std::variant<T, QString> m_state;
};

template <>
class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_error(std::move(failure.message)) {}

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const QString &error() const { return m_error ? *m_error : ResultDetail::noMessage(); }

private:
    std::optional<QString> m_error;
};
