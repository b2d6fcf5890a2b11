// Failures cross the core's interface as values: a Status or a Result<T> carrying a message
// that names the file and the operating system's reason. Nothing in the core throws.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace marlix {

class [[nodiscard]] Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !m_message.has_value(); }
    explicit operator bool() const { return ok(); }
    // Empty when ok().
    const std::string& message() const {
        static const std::string none;
        return m_message ? *m_message : none;
    }

private:
    Status() = default;
    explicit Status(std::string message) : m_message(std::move(message)) {}
    std::optional<std::string> m_message;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}  // NOLINT: implicit by design
    Result(Status failure) : m_error(std::move(failure)) {}  // NOLINT: implicit by design

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() & { return *m_value; }
    const T& value() const& { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    T& operator*() & { return *m_value; }
    const T& operator*() const& { return *m_value; }
    Status status() const { return ok() ? Status::success() : m_error; }
    const std::string& message() const { return m_error.message(); }

private:
    std::optional<T> m_value;
    Status m_error = Status::success();
};

}  // namespace marlix
