// A value or the reason it could not be produced: the error policy of the core's file and parse
// functions (no exceptions cross the core's interface).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace velor {

/// Why an operation failed, in plain words for a log or the CLI; the GUI maps failures to its
/// language-file messages itself.
struct Error
{
    std::string message;
};

/// Holds either a value of T or an Error (a small stand-in for std::expected).
template<typename T>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Error error) : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(m_state); }
    T& value() & { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    const Error& error() const { return std::get<Error>(m_state); }

private:
    std::variant<T, Error> m_state;
};

/// Success or the reason of a failure, for operations without a value.
class [[nodiscard]] Status
{
public:
    Status() = default;
    Status(Error error) : m_error(std::move(error)) {}

    static Status success() { return {}; }

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *m_error; }

private:
    std::optional<Error> m_error;
};

} // namespace velor
