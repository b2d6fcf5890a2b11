#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

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

constexpr mode_t kGroupAccess = S_IRGRP | S_IWGRP;
constexpr mode_t kOthersAccess = S_IROTH | S_IWOTH;

// Read and write for each class of users that may write the file, and for nobody else: whoever
// can open the lock file can hold it, and only those who could change the file have any need to.
mode_t lockFileMode(mode_t fileMode) {
    mode_t mode = 0;
    if (fileMode & S_IWUSR)
        mode |= S_IRUSR | S_IWUSR;
    if (fileMode & S_IWGRP)
        mode |= kGroupAccess;
    if (fileMode & S_IWOTH)
        mode |= kOthersAccess;
    return mode != 0 ? mode : S_IRUSR | S_IWUSR;
}

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Who may change the file, which the lock file is checked against: the file's owner, group and
// mode, or, before the file exists, those it will have when this process makes it (the one who
// makes it owns it; the folder's owner may be anyone, as root is of a shared /tmp).
struct FileAccess {
    uid_t owner;
    gid_t group;
    mode_t mode;
    bool exists;
};

FileAccess accessOf(const fs::path& target) {
    struct stat file;
    if (::stat(target.c_str(), &file) == 0)
        return {file.st_uid, file.st_gid, file.st_mode, true};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    struct stat dir;
    const bool inheritsGroup = ::stat(folder.c_str(), &dir) == 0 && (dir.st_mode & S_ISGID);
    return {::geteuid(), inheritsGroup ? dir.st_gid : ::getegid(), 0666 & ~currentUmask(), false};
}

std::string userName(uid_t user) {
    std::vector<char> buffer(16384);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return "user \"" + std::string(found->pw_name) + "\"";
    return "user " + std::to_string(user);
}

std::string groupName(gid_t group) {
    std::vector<char> buffer(16384);
    struct group entry;
    struct group* found = nullptr;
    if (::getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return "group \"" + std::string(found->gr_name) + "\"";
    return "group " + std::to_string(group);
}

// Whether the user database puts `user` in `group`, as its primary or a supplementary group.
bool isMember(uid_t user, gid_t group) {
    std::vector<char> buffer(16384);
    struct passwd entry;
    struct passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false;
    if (found->pw_gid == group)
        return true;
    std::vector<gid_t> groups(64);
    int count = static_cast<int>(groups.size());
    while (::getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0) {
        if (count <= static_cast<int>(groups.size()))
            return false;
        groups.resize(count);
    }
    return std::find(groups.begin(), groups.begin() + count, group) != groups.begin() + count;
}

// Whether `user` could have made a lock file that is fit to use: root and the file's owner, who
// may change the file anyway, we ourselves, and those whom the file's mode lets write it.
bool mayHaveMadeLock(uid_t user, const FileAccess& file) {
    return user == 0 || user == file.owner || user == ::geteuid() || (file.mode & S_IWOTH) ||
           ((file.mode & S_IWGRP) && isMember(user, file.group));
}

// Whether the lock file lets in only users who may change the file (its owner class is checked
// by mayHaveMadeLock).
bool opensOnlyToWriters(const struct stat& lock, const FileAccess& file) {
    if (file.mode & S_IWOTH)
        return true;
    if (lock.st_mode & kOthersAccess)
        return false;
    return !(lock.st_mode & kGroupAccess) || ((file.mode & S_IWGRP) && lock.st_gid == file.group);
}

// A lock file of ours whose group or mode no longer fits the file (the file's mode changed, or a
// group member made it in a folder that gives new files the maker's own group) is brought in
// line through its descriptor. Only a file with this one name: a link to another file of ours
// must not have that file's mode changed. Returns false when the file system keeps no modes of
// its own (FAT): there the mount gives every file, the profile file too, the same access.
bool fitLockToFile(int fd, const struct stat& lock, const FileAccess& file) {
    if (lock.st_nlink != 1)
        return true;
    mode_t mode = lockFileMode(file.mode);
    if ((mode & kGroupAccess) && lock.st_gid != file.group &&
        ::fchown(fd, static_cast<uid_t>(-1), file.group) != 0) {
        mode &= ~kGroupAccess;  // not a member of the file's group: its members must do without
    }
    if ((lock.st_mode & 07777) == mode)
        return true;
    struct stat after;
    return ::fchmod(fd, mode) == 0 && ::fstat(fd, &after) == 0 && (after.st_mode & 07777) == mode;
}

// Why a lock file that someone else may have made, or may open, is not to be used: whoever can
// open it can hold it for as long as they like, and every change would wait for them.
std::string notOursText(const fs::path& file, const fs::path& lockFile, const struct stat& lock,
                        bool ownerAllowed) {
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(lock.st_mode & 07777));
    const std::string name = "\"" + PathToUtf8(file.filename()) + "\"";
    const std::string owner = userName(lock.st_uid);
    const std::string details = " (" + groupName(lock.st_gid) + ", mode " + mode + ")";
    std::string text = ownerAllowed ? "the lock file of " + owner + details +
                                          " can be opened by users who may not change " + name
                                    : "the lock file belongs to " + owner + details +
                                          ", who may not change " + name;
    text +=
        ", so it is not marlix's to use: whoever can open it could hold every change up. "
        "Remove it";
    // A folder with the sticky bit (a shared /tmp) lets only a file's owner, the folder's owner
    // and root remove the file.
    const fs::path folder = lockFile.parent_path().empty() ? fs::path(".") : lockFile.parent_path();
    struct stat dir;
    const uid_t me = ::geteuid();
    if (::stat(folder.c_str(), &dir) == 0 && (dir.st_mode & S_ISVTX) && me != 0 &&
        me != lock.st_uid && me != dir.st_uid) {
        text += " (in this shared folder only " + owner +
                (dir.st_uid != 0 ? ", the folder's owner " + userName(dir.st_uid) : "") +
                " or root can)";
    }
    return text;
}

// Opens the lock file, creating it the first time with the file's owner and the mode above.
// Never follows a link and never opens anything but a regular file.
int openLockFile(const fs::path& lockFile, const FileAccess& file, int& error) {
    constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(lockFile.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT) {
        const mode_t mode = lockFileMode(file.mode);
        fd = ::open(lockFile.c_str(), kFlags | O_CREAT | O_EXCL, mode);
        if (fd >= 0) {
            // Made by root for a user's file, it must still be the user's to open.
            if (file.exists && ::geteuid() == 0) [[maybe_unused]]
                const int ignored = ::fchown(fd, file.owner, file.group);
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
    const FileAccess access = accessOf(target);
    int error = 0;
    const int fd = openLockFile(lockFile, access, error);
    if (fd < 0) {
        // Refused, it may be a lock file that someone else made for themselves alone.
        struct stat planted;
        if ((error == EACCES || error == EPERM) && ::lstat(lockFile.c_str(), &planted) == 0 &&
            S_ISREG(planted.st_mode)) {
            const bool ownerAllowed = mayHaveMadeLock(planted.st_uid, access);
            if (!ownerAllowed || !opensOnlyToWriters(planted, access))
                return lockFailure(file, lockFile,
                                   notOursText(file, lockFile, planted, ownerAllowed));
        }
        return lockFailure(
            file, lockFile,
            error == EINVAL || error == ELOOP ? "it is not a regular file" : ErrnoText(error));
    }
    FileLock lock(fd);
    // Only a lock file that nobody but those who may change the file could have made or can open
    // is used. One that fails is refused rather than replaced: removing it by its name could
    // remove the fit lock file another process has just put in its place, and then two processes
    // would each hold the lock of a different file.
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return lockFailure(file, lockFile, ErrnoText(errno));
    bool modesKept = true;
    if (st.st_uid == ::geteuid()) {
        modesKept = fitLockToFile(fd, st, access);
        if (::fstat(fd, &st) != 0)
            return lockFailure(file, lockFile, ErrnoText(errno));
    }
    const bool ownerAllowed = mayHaveMadeLock(st.st_uid, access);
    if (!ownerAllowed || (modesKept && !opensOnlyToWriters(st, access)))
        return lockFailure(file, lockFile, notOursText(file, lockFile, st, ownerAllowed));
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

void FileLock::release(std::intptr_t held) {
    // Closing the only descriptor of the open lock file releases the lock. The file stays: taking
    // it away could let two processes lock two different files of one name.
    if (held >= 0)
        ::close(static_cast<int>(held));
}

}  // namespace marlix
