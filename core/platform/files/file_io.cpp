// The parts of file access that are the same on every system.
#include "core/platform/files/file_io.h"
#include "core/platform/files/file_lock.h"

#include "core/platform/files/atomic_write_steps.h"

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

Status AtomicWriteFile(const fs::path& requested, std::string_view bytes,
                       const AtomicWriteOptions& options) {
    file_io_detail::AtomicWriteSteps steps(requested);
    const fs::path target = options.followSymlink ? ResolveLinks(requested) : requested;
    if (Status s = steps.openFolder(target, options.folderDevice); !s)
        return s;
    if (Status s = steps.checkTarget(options.followSymlink); !s)
        return s;
    if (options.removeStaleTemporaries)
        steps.removeStaleTemporaries();
    if (Status s = steps.createTemporary(); !s)
        return s;

    auto fail = [&](Status why) {
        steps.removeTemporary();
        return why;
    };
    if (Status s = steps.keepOwnerAndMode(); !s)
        return fail(s);
    if (Status s = steps.writeTemporary(bytes); !s)
        return fail(s);
    if (Status s = steps.syncTemporary(); !s)
        return fail(s);
    // Only a file that holds exactly the bytes may replace the old one: a write the system cut
    // short without saying so must leave the old file as it was.
    const Result<bool> holds = steps.temporaryHolds(bytes);
    if (!holds)
        return fail(holds.status());
    if (!*holds)
        return fail(file_io_detail::ReadBackFailure(requested));
    if (Status s = steps.closeTemporary(); !s)
        return fail(s);
    if (Status s = steps.renameOverTarget(); !s)
        return fail(s);

    if (Status s = steps.syncFolder(); !s)
        return s;
    if (options.recheckAfterRename) {
        const Result<bool> kept = steps.targetHolds(bytes);
        if (!kept)
            return kept.status();
        if (!*kept)
            return file_io_detail::ReadBackFailure(requested);
    }
    return Status::success();
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
