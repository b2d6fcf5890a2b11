#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/directory_lock.h"
#include "platform/files/file_io.h"

namespace marlix {

DirectoryLock::DirectoryLock(const std::filesystem::path& file) {
    const std::filesystem::path target = ResolveLinks(file);
    const std::filesystem::path dir =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    int result;
    do {
        result = ::flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

DirectoryLock::~DirectoryLock() {
    // Closing the only descriptor of the open folder releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

}  // namespace marlix
