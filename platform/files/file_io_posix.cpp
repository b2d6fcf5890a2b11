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

std::string failureText(const char* what, const fs::path& path, int error) {
    return std::string(what) + " \"" + PathToUtf8(path) + "\": " + ErrnoText(error);
}

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

// Follows symbolic links at the last component so that a link is written at its target.
fs::path resolveLinks(const fs::path& path) {
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

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
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

Result<std::string> ReadWholeFile(const fs::path& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return Status::failure(failureText("Cannot read", path, errno));
    struct stat st;
    if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode)) {
        return Status::failure(failureText("Cannot read", path, EISDIR));
    }
    std::string out;
    if (const int error = readAll(fd.get(), out, SIZE_MAX)) {
        return Status::failure(failureText("Cannot read", path, error));
    }
    return out;
}

Result<std::optional<std::string>> ReadFileIfPresent(const fs::path& path) {
    auto state = ProbeFile(path);
    if (!state)
        return state.status();
    if (*state == FileState::Missing)
        return std::optional<std::string>();
    auto bytes = ReadWholeFile(path);
    if (!bytes)
        return bytes.status();
    return std::optional<std::string>(std::move(bytes).value());
}

Status AtomicWriteFile(const fs::path& requested, std::string_view bytes,
                       const AtomicWriteOptions& options) {
    const fs::path target = options.followSymlink ? resolveLinks(requested) : requested;
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");

    struct stat existing;
    const bool exists = ::lstat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return Status::failure(failureText("Cannot write", requested, EISDIR));
    }

    std::string tempName(".");
    tempName.append(PathToUtf8(target.filename())).append(".XXXXXX");
    const std::string pattern = PathToUtf8(dir / tempName);
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

    const mode_t mode =
        exists && S_ISREG(existing.st_mode) ? (existing.st_mode & 07777) : (0666 & ~currentUmask());
    // Card file systems (FAT) refuse permission changes; that is no reason to fail the write.
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

    // Make the rename itself durable before reporting success.
    Fd dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0)
        ::fsync(dirFd.get());

    if (options.verify) {
        auto back = ReadWholeFile(target);
        if (!back)
            return back.status();
        if (*back != bytes) {
            return Status::failure("Cannot write \"" + PathToUtf8(requested) +
                                   "\": the file read back differs from what was written");
        }
    }
    return Status::success();
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
