#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "core/platform/files/file_io.h"
#include "core/platform/files/file_lock.h"
#include "core/platform/text.h"

namespace marlix {

namespace fs = std::filesystem;

namespace {

Status lockFailure(const fs::path& file, const fs::path& lockFile, const std::string& reason) {
    return Status::failure("Cannot lock \"" + PathToUtf8(file) + "\" (through \"" +
                           PathToUtf8(lockFile) + "\"): " + reason);
}

// Read and write for each class of users that may write the file, and for nobody else: whoever
// can open the lock file can hold it, and only those who could change the file have any need to.
mode_t lockFileMode(mode_t fileMode) {
    mode_t mode = 0;
    if (fileMode & S_IWUSR)
        mode |= S_IRUSR | S_IWUSR;
    if (fileMode & S_IWGRP)
        mode |= S_IRGRP | S_IWGRP;
    if (fileMode & S_IWOTH)
        mode |= S_IROTH | S_IWOTH;
    return mode != 0 ? mode : S_IRUSR | S_IWUSR;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Opens the lock file, creating it the first time with the file's owner and the mode above.
// Never follows a link and never opens anything but a regular file.
int openLockFile(const fs::path& lockFile, const fs::path& target, int& error) {
    constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(lockFile.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT) {
        struct stat file;
        const bool fileExists = ::stat(target.c_str(), &file) == 0;
        const mode_t mode = lockFileMode(fileExists ? file.st_mode : 0666 & ~currentUmask());
        fd = ::open(lockFile.c_str(), kFlags | O_CREAT | O_EXCL, mode);
        if (fd >= 0) {
            // Made by root for a user's file, it must still be the user's to open.
            if (fileExists && ::geteuid() == 0) [[maybe_unused]]
                const int ignored = ::fchown(fd, file.st_uid, file.st_gid);
            ::fchmod(fd, mode);
        } else if (errno == EEXIST) {
            fd = ::open(lockFile.c_str(), kFlags);  // another process made it just now
        }
    }
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = EINVAL;
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

Result<FileLock> FileLock::Take(const fs::path& file, std::chrono::milliseconds wait) {
    const fs::path target = ResolveLinks(file);
    const fs::path lockFile = (target.has_parent_path() ? target.parent_path() : fs::path(".")) /
                              ("." + target.filename().native() + ".lock");
    int error = 0;
    const int fd = openLockFile(lockFile, target, error);
    if (fd < 0) {
        return lockFailure(
            file, lockFile,
            error == EINVAL || error == ELOOP ? "it is not a regular file" : ErrnoText(error));
    }
    FileLock lock;
    lock.m_fd = fd;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return lock;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return lockFailure(file, lockFile, ErrnoText(errno));
        if (std::chrono::steady_clock::now() >= deadline)
            return BusyFailure(file, wait);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FileLock::FileLock(FileLock&& other) noexcept : m_fd(other.m_fd) {
    other.m_fd = -1;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

void FileLock::release() {
    // Closing the only descriptor of the open lock file releases the lock. The file stays: taking
    // it away could let two processes lock two different files of one name.
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

}  // namespace marlix
