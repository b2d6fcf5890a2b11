#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "core/platform/files/atomic_write_steps.h"
#include "core/platform/files/file_io.h"
#include "core/platform/files/temporary_files_posix.h"
#include "core/platform/text.h"

namespace marlix {

namespace fs = std::filesystem;
using file_io_detail::TooLargeFailure;

namespace {

std::string failureText(const char* what, const fs::path& path, std::string_view reason) {
    return std::string(what) + " \"" + PathToUtf8(path) + "\": " + std::string(reason);
}

std::string failureText(const char* what, const fs::path& path, int error) {
    return failureText(what, path, ErrnoText(error));
}

bool isAbsence(int error) {
    return error == ENOENT || error == ENOTDIR;
}

Status failure(const char* what, const fs::path& path, int error) {
    return Status::failure(failureText(what, path, error),
                           isAbsence(error) ? ErrorCode::NotFound : ErrorCode::Io);
}

constexpr std::string_view kNotRegular = "not a regular file";

Status notRegular(const char* what, const fs::path& path, const struct stat& st) {
    return Status::failure(S_ISDIR(st.st_mode) ? failureText(what, path, EISDIR)
                                               : failureText(what, path, kNotRegular),
                           ErrorCode::NotRegularFile);
}

bool sameInode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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
    void reset(int fd) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// Reads until end of file or maxBytes, from the current position or, with offset >= 0, from
// there on; returns errno on failure, 0 on success. A descriptor without blocking reports
// EAGAIN rather than waiting. Reads are always of a whole buffer, since some files under /proc
// refuse reads of odd sizes; what lies past maxBytes is dropped.
int readAll(int fd, std::string& out, std::size_t maxBytes, off_t offset = -1) {
    char buffer[65536];
    while (out.size() < maxBytes) {
        const std::size_t want = sizeof buffer;
        const ssize_t n = offset < 0 ? ::read(fd, buffer, want)
                                     : ::pread(fd, buffer, want, offset + off_t(out.size()));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        out.append(buffer, std::min(static_cast<std::size_t>(n), maxBytes - out.size()));
    }
    return 0;
}

int writeAll(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Whether the descriptor's file holds exactly the bytes.
bool holdsExactly(int fd, std::string_view bytes, int& error) {
    std::string back;
    back.reserve(bytes.size() + 1);
    error = readAll(fd, back, bytes.size() + 1, 0);
    return error == 0 && back == bytes;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Whether the existing thing `name` in `dir` (lstat'ed into `st`) may be replaced by a regular
// file. Only a regular file may, or a link that is itself being replaced: renaming over a FIFO
// or a device would swap out something that was never ours (think of --config /dev/null as
// root). A file without any write permission is refused even for root, who could rename over
// it, as the read-only attribute refuses it on Windows.
Status checkReplaceable(const fs::path& requested, int dir, const std::string& name,
                        const struct stat& st, bool followSymlink) {
    if (S_ISLNK(st.st_mode)) {
        // Still a link after following: a loop, or a chain longer than the system follows.
        if (followSymlink)
            return Status::failure(failureText("Cannot write", requested, ELOOP));
        return Status::success();
    }
    if (!S_ISREG(st.st_mode))
        return notRegular("Cannot write", requested, st);
    if ((st.st_mode & 0222) == 0)
        return Status::failure(failureText("Cannot write", requested, EACCES));
    if (::faccessat(dir, name.c_str(), W_OK, 0) != 0)
        return Status::failure(failureText("Cannot write", requested, errno));
    return Status::success();
}

}  // namespace

Result<FileKind> ProbeFile(const fs::path& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (isAbsence(errno))
            return FileKind::Missing;
        return Status::failure(failureText("Cannot access", path, errno));
    }
    if (S_ISREG(st.st_mode))
        return FileKind::Regular;
    if (S_ISDIR(st.st_mode))
        return FileKind::Directory;
    if (S_ISFIFO(st.st_mode))
        return FileKind::Fifo;
    if (S_ISCHR(st.st_mode))
        return FileKind::CharacterDevice;
    return FileKind::Other;
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

Result<std::string> ReadWholeFile(const fs::path& path, std::size_t maxBytes) {
    // The type is judged before opening: opening a device can have effects of its own, and a
    // FIFO would wait for a writer.
    struct stat before;
    if (::stat(path.c_str(), &before) != 0)
        return failure("Cannot read", path, errno);
    if (!S_ISREG(before.st_mode))
        return notRegular("Cannot read", path, before);
    // Still without blocking: a few files under /proc are regular and yet wait for data.
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return failure("Cannot read", path, errno);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return failure("Cannot read", path, errno);
    if (!S_ISREG(st.st_mode) || !sameInode(before, st))
        return notRegular("Cannot read", path, st);
    // What stat says of the size is a hint only: files under /proc say 0 and hold far more.
    std::string out;
    if (st.st_size > 0 && static_cast<std::uintmax_t>(st.st_size) <= maxBytes)
        out.reserve(static_cast<std::size_t>(st.st_size));
    if (const int error = readAll(fd.get(), out, maxBytes + 1)) {
        if (error == EAGAIN)
            return Status::failure(failureText("Cannot read", path, "it never has data ready"));
        return failure("Cannot read", path, error);
    }
    if (out.size() > maxBytes)
        return TooLargeFailure(path, maxBytes);
    return out;
}

namespace file_io_detail {

struct AtomicWriteSteps::State {
    fs::path requested;
    // Every step goes through this one descriptor of the folder, so a folder that is swapped or
    // unmounted meanwhile cannot send the file elsewhere.
    Fd dir{-1};
    std::string name;
    bool exists = false;
    struct stat existing {};
    std::string temp;
    Fd fd{-1};
    std::optional<PendingTemporary> pending;

    Status failure(int error) const { return marlix::failure("Cannot write", requested, error); }
};

AtomicWriteSteps::AtomicWriteSteps(const fs::path& requested) : m_state(std::make_unique<State>()) {
    m_state->requested = requested;
}

AtomicWriteSteps::~AtomicWriteSteps() = default;

Status AtomicWriteSteps::openFolder(const fs::path& target,
                                    std::optional<std::uint64_t> folderDevice) {
    State& s = *m_state;
    const fs::path dirPath = target.has_parent_path() ? target.parent_path() : fs::path(".");
    s.name = target.filename().native();
    s.dir.reset(::open(dirPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (s.dir.get() < 0)
        return s.failure(errno);
    if (folderDevice) {
        struct stat folder;
        if (::fstat(s.dir.get(), &folder) != 0)
            return s.failure(errno);
        if (folder.st_dev != *folderDevice) {
            return Status::failure(
                failureText("Cannot write", s.requested,
                            "the card is no longer mounted there (the folder is on another disk)"),
                ErrorCode::DriveGone);
        }
    }
    return Status::success();
}

Status AtomicWriteSteps::checkTarget(bool followSymlink) {
    State& s = *m_state;
    s.exists = ::fstatat(s.dir.get(), s.name.c_str(), &s.existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (!s.exists && !isAbsence(errno))
        return s.failure(errno);
    if (s.exists)
        return checkReplaceable(s.requested, s.dir.get(), s.name, s.existing, followSymlink);
    return Status::success();
}

void AtomicWriteSteps::removeStaleTemporaries() {
    RemoveStaleTemporaries(m_state->dir.get(), m_state->name);
}

Status AtomicWriteSteps::createTemporary() {
    State& s = *m_state;
    PendingTemporary& pending = s.pending.emplace();
    for (int attempt = 0; attempt < 100 && s.fd.get() < 0; ++attempt) {
        s.temp = TemporaryName(s.name);
        s.fd.reset(::openat(s.dir.get(), s.temp.c_str(),
                            O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (s.fd.get() < 0 && errno != EEXIST) {
            const int error = errno;
            pending.created(-1, s.temp);
            return s.failure(error);
        }
    }
    pending.created(s.fd.get() < 0 ? -1 : s.dir.get(), s.temp);
    if (s.fd.get() < 0)
        return s.failure(EEXIST);
    return Status::success();
}

Status AtomicWriteSteps::keepOwnerAndMode() {
    State& s = *m_state;
    const bool replacesFile = s.exists && S_ISREG(s.existing.st_mode);
    // Card file systems (FAT) refuse ownership and permission changes, and only root may give a
    // file away; none of that is a reason to fail the write. Ownership goes first: chown clears
    // set-id bits that the chmod then restores.
    if (replacesFile && ::fchown(s.fd.get(), s.existing.st_uid, s.existing.st_gid) != 0) {
        if (errno != EPERM && errno != ENOTSUP)
            return s.failure(errno);
        // A member of the file's group who is not its owner still keeps it the group's, or the
        // other members would lose it (and the group's lock file would no longer fit it).
        [[maybe_unused]] const int ignored =
            ::fchown(s.fd.get(), static_cast<uid_t>(-1), s.existing.st_gid);
    }
    const mode_t mode = replacesFile ? (s.existing.st_mode & 07777) : (0666 & ~currentUmask());
    if (::fchmod(s.fd.get(), mode) != 0 && errno != EPERM && errno != ENOTSUP)
        return s.failure(errno);
    return Status::success();
}

Status AtomicWriteSteps::writeTemporary(std::string_view bytes) {
    if (const int error = writeAll(m_state->fd.get(), bytes))
        return m_state->failure(error);
    return Status::success();
}

Status AtomicWriteSteps::syncTemporary() {
    if (::fsync(m_state->fd.get()) != 0)
        return m_state->failure(errno);
    return Status::success();
}

Result<bool> AtomicWriteSteps::temporaryHolds(std::string_view bytes) {
    int readError = 0;
    const bool holds = holdsExactly(m_state->fd.get(), bytes, readError);
    if (readError)
        return m_state->failure(readError);
    return holds;
}

Status AtomicWriteSteps::closeTemporary() {
    if (::close(m_state->fd.release()) != 0)
        return m_state->failure(errno);
    return Status::success();
}

Status AtomicWriteSteps::renameOverTarget() {
    State& s = *m_state;
    if (::renameat(s.dir.get(), s.temp.c_str(), s.dir.get(), s.name.c_str()) != 0)
        return s.failure(errno);
    return Status::success();
}

void AtomicWriteSteps::removeTemporary() {
    ::unlinkat(m_state->dir.get(), m_state->temp.c_str(), 0);
}

Status AtomicWriteSteps::syncFolder() {
    // Some file systems cannot sync a folder (EINVAL, ENOTSUP); there the rename is as durable as
    // it gets. A folder we may write but not read cannot be opened to sync it; the rename is done
    // all the same.
    Fd dirSync(::openat(m_state->dir.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirSync.get() >= 0 && ::fsync(dirSync.get()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return Status::failure(failureText("Cannot sync the folder of", m_state->requested, errno));
    return Status::success();
}

Result<bool> AtomicWriteSteps::targetHolds(std::string_view bytes) {
    State& s = *m_state;
    Fd written(
        ::openat(s.dir.get(), s.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (written.get() < 0)
        return marlix::failure("Cannot read", s.requested, errno);
    int readError = 0;
    const bool holds = holdsExactly(written.get(), bytes, readError);
    if (readError)
        return marlix::failure("Cannot read", s.requested, readError);
    return holds;
}

}  // namespace file_io_detail

Status WriteIntoStream(const fs::path& path, std::string_view bytes) {
    struct stat before;
    if (::stat(path.c_str(), &before) != 0)
        return failure("Cannot write", path, errno);
    if (!S_ISFIFO(before.st_mode) && !S_ISCHR(before.st_mode)) {
        return Status::failure(failureText("Cannot write", path, "not a pipe or character device"),
                               ErrorCode::NotRegularFile);
    }
    // Opened without waiting: a FIFO that nobody reads from fails here instead of hanging.
    Fd fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENXIO)
            return Status::failure(failureText("Cannot write", path, "no program reads from it"));
        return failure("Cannot write", path, errno);
    }
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return failure("Cannot write", path, errno);
    if (!sameInode(before, st) || (st.st_mode & S_IFMT) != (before.st_mode & S_IFMT))
        return Status::failure(failureText("Cannot write", path, "it changed while being opened"));
    // From here on a slow reader is waited for, as any program writing into a pipe does.
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return failure("Cannot write", path, errno);
    if (const int error = writeAll(fd.get(), bytes))
        return failure("Cannot write", path, error);
    if (::close(fd.release()) != 0)
        return failure("Cannot write", path, errno);
    return Status::success();
}

Result<std::optional<std::string>> ReadSmallRegularFile(const fs::path& path,
                                                        std::size_t maxBytes) {
    // Judged without opening: opening some devices has effects of its own.
    struct stat before;
    if (::lstat(path.c_str(), &before) != 0) {
        if (isAbsence(errno))
            return std::optional<std::string>();
        return failure("Cannot read", path, errno);
    }
    if (!S_ISREG(before.st_mode))
        return std::optional<std::string>();
    Fd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        if (isAbsence(errno) || errno == ELOOP || errno == ENXIO)
            return std::optional<std::string>();
        return failure("Cannot read", path, errno);
    }
    // Swapped for something else between the look and the open: not what was judged.
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return failure("Cannot read", path, errno);
    if (!S_ISREG(st.st_mode) || !sameInode(before, st))
        return std::optional<std::string>();
    std::string out;
    if (const int error = readAll(fd.get(), out, maxBytes))
        return failure("Cannot read", path, error);
    return std::optional<std::string>(std::move(out));
}

}  // namespace marlix
