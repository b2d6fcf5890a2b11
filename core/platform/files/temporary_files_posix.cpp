// The temporary files of atomic writes on POSIX systems: their names, the ones earlier writes
// left behind, and the one a signal must not leave behind.
#include "core/platform/files/temporary_files_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <ctime>
#include <string_view>

#include "core/platform/files/file_io.h"

namespace marlix {

namespace {

constexpr std::string_view kTemporaryChars =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kTemporaryRandomChars = 6;

bool isTemporaryOf(std::string_view found, const std::string& target) {
    const std::size_t prefix = target.size() + 2;
    return found.size() == prefix + kTemporaryRandomChars && found[0] == '.' &&
           found.substr(1, target.size()) == target && found[prefix - 1] == '.' &&
           found.find_first_not_of(kTemporaryChars, prefix) == std::string_view::npos;
}

// The temporary file of the write under way, for the handler of EndWritesCleanlyOnSignals; kept
// only once that is installed (a process that writes from several threads never installs it).
constexpr int kCleanupSignals[] = {SIGTERM, SIGHUP, SIGINT};
volatile sig_atomic_t g_cleanOnSignals = 0;
volatile sig_atomic_t g_pendingDir = -1;
char g_pendingName[NAME_MAX + 1];

extern "C" void removePendingAndEnd(int signal) {
    // The handler is reset on entry: once it returns, the signal comes again and ends the
    // process as it would have.
    if (g_pendingDir >= 0)
        ::unlinkat(g_pendingDir, g_pendingName, 0);
    ::raise(signal);
}

sigset_t cleanupSignals() {
    sigset_t set;
    ::sigemptyset(&set);
    for (const int signal : kCleanupSignals) ::sigaddset(&set, signal);
    return set;
}

}  // namespace

// ".<name>.XXXXXX" beside the target, XXXXXX random; a name too long for that gets a short fixed
// one instead.
std::string TemporaryName(const std::string& target) {
    unsigned char random[kTemporaryRandomChars] = {};
    if (::getrandom(random, sizeof random, GRND_NONBLOCK) != sizeof random) {
        // Too early in boot for the random pool: the clock and process differ enough, and
        // O_EXCL settles any clash.
        const auto seed = static_cast<unsigned long>(::getpid()) * 2654435761u ^
                          static_cast<unsigned long>(::clock());
        for (std::size_t i = 0; i < sizeof random; ++i)
            random[i] = static_cast<unsigned char>(seed >> (i * 5));
    }
    std::string name = "." + target + ".";
    if (name.size() + sizeof random > NAME_MAX)
        name = ".marlix.";
    for (const unsigned char r : random) name += kTemporaryChars[r % kTemporaryChars.size()];
    return name;
}

// Best effort: what cannot be listed or removed is left, and the write goes on.
void RemoveStaleTemporaries(int dir, const std::string& target) {
    const int listed = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0)
        return;
    DIR* list = ::fdopendir(listed);
    if (list == nullptr) {
        ::close(listed);
        return;
    }
    while (const dirent* entry = ::readdir(list)) {
        if (!isTemporaryOf(entry->d_name, target))
            continue;
        // A link, a folder or a device by that name is not one of ours.
        struct stat st;
        if (::fstatat(dir, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            ::unlinkat(dir, entry->d_name, 0);
    }
    ::closedir(list);
}

PendingTemporary::PendingTemporary() {
    if (!g_cleanOnSignals)
        return;
    const sigset_t set = cleanupSignals();
    m_blocked = ::pthread_sigmask(SIG_BLOCK, &set, &m_previous) == 0;
}

PendingTemporary::~PendingTemporary() {
    g_pendingDir = -1;
    unblock();
}

void PendingTemporary::created(int dir, const std::string& name) {
    if (g_cleanOnSignals && dir >= 0 && name.size() < sizeof g_pendingName) {
        name.copy(g_pendingName, name.size());
        g_pendingName[name.size()] = '\0';
        g_pendingDir = dir;
    }
    unblock();
}

void PendingTemporary::unblock() {
    if (m_blocked)
        ::pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    m_blocked = false;
}

void EndWritesCleanlyOnSignals() {
    g_cleanOnSignals = 1;
    struct sigaction action {};
    action.sa_handler = removePendingAndEnd;
    action.sa_flags = SA_RESETHAND;
    ::sigfillset(&action.sa_mask);
    for (const int signal : kCleanupSignals) {
        struct sigaction was {};
        if (::sigaction(signal, nullptr, &was) == 0 && was.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
    // A thread that started the process may have held them back; here they must come.
    const sigset_t set = cleanupSignals();
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

}  // namespace marlix
