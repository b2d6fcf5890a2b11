// Keeps cooperating processes (two windows, parallel marlix-cli runs) from interleaving their
// read-modify-write of one file, which would silently drop one of the changes.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "core/platform/result.h"

namespace marlix {

// How long a command waits for another one to finish with the file before it gives up.
inline constexpr std::chrono::milliseconds kFileLockWait{5000};

// An exclusive lock on a file, held while the object lives.
//
// On POSIX systems it is a flock on a lock file beside the file (".cfg.ini.lock" for cfg.ini,
// beside the file a link leads to), which only those who may write the file can open: anyone
// else who can read the folder could otherwise hold the lock for ever. For the same reason a
// lock file that someone else made (planted in a shared folder), or that its mode opens to
// others, is refused, naming its owner and mode. The file itself is not locked since it is
// replaced by renaming, so a lock on it would not stop a process that opens the new one. On
// Windows it is a named mutex of the folder.
class FileLock {
public:
    // Takes the lock of `file`, waiting at most `wait` while another process holds it. Fails
    // with ErrorCode::Busy when the wait runs out, and with the system's reason when there is no
    // lock to take (a folder that refuses the lock file, a lock file that is not ours to use): a
    // command that cannot lock must not go on, or a parallel one could undo its change.
    static Result<FileLock> Take(const std::filesystem::path& file,
                                 std::chrono::milliseconds wait = kFileLockWait);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();

private:
    // What holds the lock, as a number whatever it is on the system this is built for: the lock
    // file's descriptor on POSIX systems (file_lock_posix.cpp), the folder's mutex handle on
    // Windows (file_lock_win32.cpp).
    static constexpr std::intptr_t kNothingHeld = -1;

    explicit FileLock(std::intptr_t held) : m_held(held) {}
    // Lets go of the lock; nothing when held is kNothingHeld. In the system's file.
    static void release(std::intptr_t held);

    std::intptr_t m_held = kNothingHeld;
};

// The message of a lock that was not had in time, naming the file.
Status BusyFailure(const std::filesystem::path& file, std::chrono::milliseconds waited);

}  // namespace marlix
