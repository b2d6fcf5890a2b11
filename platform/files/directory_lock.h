// Keeps cooperating processes (two windows, parallel marlix-cli runs) from interleaving their
// read-modify-write of one file, which would silently drop one of the changes.
#pragma once

#include <filesystem>

namespace marlix {

// An advisory, exclusive lock on the folder that holds a file, held while the object lives. The
// folder is locked rather than the file: the file is replaced by renaming, so a lock on it would
// not stop a process that opens the new one; and no lock file is left among the user's files.
//
// Taking the lock is best effort. Where it cannot be taken (a folder that cannot be opened, a
// file system without flock) the caller goes on unlocked, as it did before there was a lock:
// that is no reason to refuse a command.
class DirectoryLock {
public:
    // Locks the folder of `file` as reached after following links at its last component (where
    // AtomicWriteFile writes). Waits while another process holds the lock.
    explicit DirectoryLock(const std::filesystem::path& file);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

#ifdef _WIN32
    bool held() const { return m_mutex != nullptr; }

private:
    void* m_mutex = nullptr;
#else
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
#endif
};

}  // namespace marlix
