// Failures cross the core's interface as values: a Status or a Result<T> carrying a message
// that names the file and the operating system's reason, and a code that callers branch on (the
// message is for people and may change; the code is not). Nothing in the core throws.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace marlix {

enum class ErrorCode {
    None,            // success
    Io,              // the system refused a read, a write or a query
    NotFound,        // no such file, profile or drive
    DuplicateName,   // a profile of that name exists
    InvalidName,     // a name no profile may have
    InvalidValue,    // a key, a text or a file's content that is none of the allowed ones
    Busy,            // another program holds the profile file's lock
    TooLarge,        // a file far larger than any file of its kind
    NotRegularFile,  // a folder, FIFO, device or socket where a file was expected
    DriveGone,       // the chosen card is no longer mounted where it was
    NotAnswering,    // a drive did not answer in time
    Unsupported,     // this system cannot do it
};

class [[nodiscard]] Status {
public:
    static Status success() { return Status(); }
    static Status failure(std::string message, ErrorCode code = ErrorCode::Io) {
        return Status(std::move(message), code == ErrorCode::None ? ErrorCode::Io : code);
    }

    bool ok() const { return m_code == ErrorCode::None; }
    explicit operator bool() const { return ok(); }
    ErrorCode code() const { return m_code; }
    // Empty when ok().
    const std::string& message() const { return m_message; }
    // The same failure told another way (with the file's name in front, say).
    Status withMessage(std::string message) const {
        return ok() ? *this : Status(std::move(message), m_code);
    }

private:
    Status() = default;
    Status(std::string message, ErrorCode code) : m_code(code), m_message(std::move(message)) {}
    ErrorCode m_code = ErrorCode::None;
    std::string m_message;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}           // NOLINT: implicit by design
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
    ErrorCode code() const { return m_error.code(); }
    const std::string& message() const { return m_error.message(); }

private:
    std::optional<T> m_value;
    Status m_error = Status::success();
};

}  // namespace marlix
