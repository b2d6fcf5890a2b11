#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/files/file_io.h"
#include "platform/text.h"

namespace marlix {

namespace fs = std::filesystem;

namespace {

std::string failureText(const char* what, const fs::path& path, std::string_view reason) {
    return std::string(what) + " \"" + PathToUtf8(path) + "\": " + std::string(reason);
}

std::string failureText(const char* what, const fs::path& path, int error) {
    return failureText(what, path, ErrnoText(error));
}

constexpr std::string_view kNotRegular = "not a regular file";

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

// Reads until end of file or maxBytes; returns errno on failure, 0 on success.
int readAll(int fd, std::string& out, std::size_t maxBytes) {
    char buffer[65536];
    while (out.size() < maxBytes) {
        const std::size_t want = std::min(sizeof buffer, maxBytes - out.size());
        const ssize_t n = ::read(fd, buffer, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return 0;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Whether the existing thing at `target` (lstat'ed into `st`) may be replaced by a regular file.
// Only a regular file may, or a link that is itself being replaced: renaming over a FIFO or a
// device would swap out something that was never ours (think of --config /dev/null as root). A
// file without any write permission is refused even for root, who could rename over it, as the
// read-only attribute refuses it on Windows.
Status checkReplaceable(const fs::path& requested, const fs::path& target, const struct stat& st,
                        bool followSymlink) {
    if (S_ISDIR(st.st_mode))
        return Status::failure(failureText("Cannot write", requested, EISDIR));
    if (S_ISLNK(st.st_mode)) {
        // Still a link after following: a loop, or a chain longer than the system follows.
        if (followSymlink)
            return Status::failure(failureText("Cannot write", requested, ELOOP));
        return Status::success();
    }
    if (!S_ISREG(st.st_mode))
        return Status::failure(failureText("Cannot write", requested, kNotRegular));
    if ((st.st_mode & 0222) == 0)
        return Status::failure(failureText("Cannot write", requested, EACCES));
    if (::access(target.c_str(), W_OK) != 0)
        return Status::failure(failureText("Cannot write", requested, errno));
    return Status::success();
}

// ".<name>.XXXXXX" beside the target; a name too long for that gets a short fixed one instead.
std::string temporaryPattern(const fs::path& dir, const fs::path& target) {
    std::string name = "." + target.filename().native() + ".XXXXXX";
    if (name.size() > NAME_MAX)
        name = ".marlix.XXXXXX";
    return (dir / name).native();
}

}  // namespace

Result<FileState> ProbeFile(const fs::path& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return FileState::Present;
    if (errno == ENOENT || errno == ENOTDIR)
        return FileState::Missing;
    return Status::failure(failureText("Cannot access", path, errno));
}

fs::path ResolveLinks(const fs::path& path) {
    fs::path current = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)) || ec)
            return current;
        fs::path next = fs::read_symlink(current, ec);
        if (ec)
            return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

Result<std::string> ReadWholeFile(const fs::path& path) {
    // Opened without blocking so that a FIFO at the path cannot stall the caller, and read only
    // when it is a regular file: a device such as /dev/zero would never end.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return Status::failure(failureText("Cannot read", path, errno));
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return Status::failure(failureText("Cannot read", path, errno));
    if (S_ISDIR(st.st_mode))
        return Status::failure(failureText("Cannot read", path, EISDIR));
    if (!S_ISREG(st.st_mode))
        return Status::failure(failureText("Cannot read", path, kNotRegular));
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return Status::failure(failureText("Cannot read", path, errno));
    std::string out;
    if (const int error = readAll(fd.get(), out, SIZE_MAX)) {
        return Status::failure(failureText("Cannot read", path, error));
    }
    return out;
}

Status AtomicWriteFile(const fs::path& requested, std::string_view bytes,
                       const AtomicWriteOptions& options) {
    const fs::path target = options.followSymlink ? ResolveLinks(requested) : requested;
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");

    struct stat existing;
    const bool exists = ::lstat(target.c_str(), &existing) == 0;
    if (exists) {
        if (Status s = checkReplaceable(requested, target, existing, options.followSymlink); !s)
            return s;
    }

    const std::string pattern = temporaryPattern(dir, target);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Fd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return Status::failure(failureText("Cannot write", requested, errno));
    const fs::path temp(name.data());

    auto fail = [&](int error) {
        ::unlink(temp.c_str());
        return Status::failure(failureText("Cannot write", requested, error));
    };

    const bool replacesFile = exists && S_ISREG(existing.st_mode);
    // Card file systems (FAT) refuse ownership and permission changes, and only root may give a
    // file away; none of that is a reason to fail the write. Ownership goes first: chown clears
    // set-id bits that the chmod then restores.
    if (replacesFile && ::fchown(fd.get(), existing.st_uid, existing.st_gid) != 0 &&
        errno != EPERM && errno != ENOTSUP) {
        return fail(errno);
    }
    const mode_t mode = replacesFile ? (existing.st_mode & 07777) : (0666 & ~currentUmask());
    if (::fchmod(fd.get(), mode) != 0 && errno != EPERM && errno != ENOTSUP)
        return fail(errno);

    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if (::close(fd.release()) != 0)
        return fail(errno);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);

    // Make the rename itself durable before reporting success. Some file systems cannot sync a
    // folder (EINVAL, ENOTSUP); there the rename is as durable as it gets. A folder we may write
    // but not read cannot be opened to sync it; the rename is done all the same.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0 && ::fsync(dirFd.get()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return Status::failure(failureText("Cannot sync the folder of", requested, errno));

    return options.verify ? VerifyWrittenFile(requested, target, bytes) : Status::success();
}

Result<std::optional<std::string>> ReadSmallRegularFile(const fs::path& path,
                                                        std::size_t maxBytes) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP || errno == ENXIO) {
            return std::optional<std::string>();
        }
        return Status::failure(failureText("Cannot read", path, errno));
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return Status::failure(failureText("Cannot read", path, errno));
    if (!S_ISREG(st.st_mode))
        return std::optional<std::string>();
    std::string out;
    if (const int error = readAll(fd.get(), out, maxBytes)) {
        return Status::failure(failureText("Cannot read", path, error));
    }
    return std::optional<std::string>(std::move(out));
}

}  // namespace marlix
