// The parts of file access that are the same on every system.
#include "core/platform/files/file_io.h"
#include "core/platform/files/file_lock.h"

#include <utility>

#include "core/platform/text.h"

namespace marlix {

namespace fs = std::filesystem;

Result<std::optional<std::string>> ReadFileIfPresent(const fs::path& path, std::size_t maxBytes) {
    auto bytes = ReadWholeFile(path, maxBytes);
    if (bytes)
        return std::optional<std::string>(std::move(bytes).value());
    if (bytes.code() == ErrorCode::NotFound)
        return std::optional<std::string>();
    return bytes.status();
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

FileLock::FileLock(FileLock&& other) noexcept : m_held(std::exchange(other.m_held, kNothingHeld)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other)
        release(std::exchange(m_held, std::exchange(other.m_held, kNothingHeld)));
    return *this;
}

FileLock::~FileLock() {
    release(m_held);
}

Status BusyFailure(const fs::path& file, std::chrono::milliseconds waited) {
    const auto seconds = (waited.count() + 999) / 1000;
    return Status::failure("\"" + PathToUtf8(file) +
                               "\" is busy: another program has held its lock for " +
                               std::to_string(seconds) + (seconds == 1 ? " second" : " seconds"),
                           ErrorCode::Busy);
}

namespace file_io_detail {

Status TooLargeFailure(const fs::path& path, std::size_t maxBytes) {
    return Status::failure("Cannot read \"" + PathToUtf8(path) + "\": it is larger than " +
                               std::to_string(maxBytes) + " bytes, far more than a file of its " +
                               "kind holds",
                           ErrorCode::TooLarge);
}

Status ReadBackFailure(const fs::path& requested) {
    return Status::failure("Cannot write \"" + PathToUtf8(requested) +
                           "\": the file read back differs from what was written");
}

}  // namespace file_io_detail

}  // namespace marlix
