// Each drive is probed by a child process of its own (abandonable_work_posix.h), which reports
// over a pipe; the parent reads until the deadline and then leaves whoever is late behind,
// killed. A child the kernel will not let die is reaped by a later scan, or by init.
//
// Such a child can stay for as long as the card hangs, and every scan (any mount, even another
// user's, starts one) would add another. So each child holds a lock named after its drive for as
// long as it lives: while an earlier probe of the drive is still stuck, nobody forks another, in
// this process or in any other of the same user (five `marlix-cli devices` in a row), and the
// drive is reported as not answering.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>

#include "core/devices/drive_probe.h"
#include "core/export/camera_conf_reader.h"
#include "core/platform/abandonable_work_posix.h"

namespace marlix {

namespace {

// "<length>:<bytes>" per field, so that any byte may stand in a label or version text.
void putField(std::string& out, std::string_view field) {
    out += std::to_string(field.size());
    out += ':';
    out += field;
}

std::optional<std::string> takeField(std::string_view& in) {
    const std::size_t colon = in.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 9)
        return std::nullopt;
    std::size_t length = 0;
    for (const char c : in.substr(0, colon)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    if (in.size() - colon - 1 < length)
        return std::nullopt;
    std::string field(in.substr(colon + 1, length));
    in.remove_prefix(colon + 1 + length);
    return field;
}

std::optional<std::uint64_t> number(const std::string& text) {
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

std::string encode(const ProbedDrive& probed) {
    const DriveInfo& d = probed.drive;
    std::string out;
    putField(out, d.label);
    putField(out, d.spaceKnown ? "1" : "0");
    putField(out, std::to_string(d.totalBytes));
    putField(out, std::to_string(d.freeBytes));
    putField(out, d.rootDevice ? std::to_string(*d.rootDevice) : std::string());
    putField(out, probed.version);
    putField(out, std::to_string(static_cast<int>(probed.conf.kind)));
    putField(out, probed.conf.bytes);
    return out;
}

// The drive as the child told it; nullopt for anything but a whole report.
std::optional<ProbedDrive> decode(std::string_view in, DriveInfo drive) {
    std::optional<std::string> fields[8];
    for (auto& field : fields) {
        field = takeField(in);
        if (!field)
            return std::nullopt;
    }
    const auto total = number(*fields[2]);
    const auto free = number(*fields[3]);
    const auto confKind = number(*fields[6]);
    if (!in.empty() || !total || !free || !confKind ||
        *confKind > static_cast<std::uint64_t>(CardConfKind::Unreadable)) {
        return std::nullopt;
    }
    drive.label = *fields[0];
    drive.spaceKnown = *fields[1] == "1";
    drive.totalBytes = *total;
    drive.freeBytes = *free;
    drive.rootDevice = number(*fields[4]);
    return ProbedDrive{std::move(drive), *fields[5], true,
                       CardConf{static_cast<CardConfKind>(*confKind), std::move(*fields[7])}};
}

// Children killed at the deadline that had not ended yet; reaped when they do.
std::mutex g_leftMutex;
std::vector<pid_t> g_left;

void reap(pid_t pid) {
    if (::waitpid(pid, nullptr, WNOHANG) == 0) {
        const std::lock_guard lock(g_leftMutex);
        g_left.push_back(pid);
    }
}

void reapLeftBehind() {
    const std::lock_guard lock(g_leftMutex);
    std::erase_if(g_left, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

// A report holds the card's camera.conf (up to its limit) and a few short texts.
constexpr std::size_t kReportLimit = kCameraConfReadLimit + 65536;

// The folder of the drives' probe locks: the user's runtime folder, else one of the user's own
// under /tmp. Only a folder nobody else can write will do, or another user could hold a lock and
// make a card look dead; without one, stuck probes are known within this process alone.
std::optional<std::string> probeLockFolder() {
    static const std::optional<std::string> folder = []() -> std::optional<std::string> {
        const auto privateFolder = [](const std::string& path) {
            struct stat st;
            return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
                   st.st_uid == ::geteuid() && (st.st_mode & 022) == 0;
        };
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        std::string base = runtime && *runtime == '/' && privateFolder(runtime)
                               ? std::string(runtime) + "/marlix-probes"
                               : "/tmp/marlix-probes-" + std::to_string(::geteuid());
        if (::mkdir(base.c_str(), 0700) != 0 && errno != EEXIST)
            return std::nullopt;
        return privateFolder(base) ? std::optional(base) : std::nullopt;
    }();
    return folder;
}

// One lock per mount of a drive: a card mounted anew where a stuck one was is a new card.
std::string driveLockName(const DriveInfo& drive) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    const auto add = [&hash](std::string_view bytes) {
        for (const char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
    };
    add(drive.root);
    add(std::string_view("\0", 1));
    add(drive.listing.source);
    add(std::to_string(drive.listing.mountDevice));
    char name[32];
    std::snprintf(name, sizeof name, "%016llx.lock", static_cast<unsigned long long>(hash));
    return name;
}

// The drive's lock, taken, for the child to hold; -1 with `held` set while another probe of the
// drive holds it, and -1 alone where there are no locks.
int takeDriveLock(const DriveInfo& drive, bool& held) {
    held = false;
    const auto folder = probeLockFolder();
    if (!folder)
        return -1;
    const std::string path = *folder + "/" + driveLockName(drive);
    const int fd =
        ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        held = errno == EWOULDBLOCK;
        ::close(fd);
        return -1;
    }
    return fd;
}

// The drive's probe, started unless another probe of the drive holds its lock: a stuck one, or
// one that another scan (another marlix-cli, the window) started a moment ago. False then, to be
// asked again when it lets go, until the deadline.
bool startProbe(VolumeSource& source, const DriveInfo& drive, ReportingChild& child) {
    bool held = false;
    const int driveLock = takeDriveLock(drive, held);
    if (held)
        return false;
    child =
        StartReportingChild([&] { return encode(ProbeOneDrive(source, drive)); }, false, driveLock);
    // From here on only the child holds the drive's lock.
    if (driveLock >= 0)
        ::close(driveLock);
    return true;
}

// How often a drive whose lock is held is asked again.
constexpr std::chrono::milliseconds kLockRetry{50};

}  // namespace

std::vector<ProbedDrive> ProbeDrives(const std::shared_ptr<VolumeSource>& source,
                                     std::vector<DriveInfo> drives,
                                     std::chrono::milliseconds deadline,
                                     const std::function<void()>& started) {
    reapLeftBehind();
    const auto until = std::chrono::steady_clock::now() + deadline;
    std::vector<ReportingChild> children(drives.size());
    std::vector<bool> underWay(drives.size());
    for (std::size_t i = 0; i < drives.size(); ++i)
        underWay[i] = startProbe(*source, drives[i], children[i]);
    if (started)
        started();
    for (;;) {
        const bool lockAwaited =
            std::find(underWay.begin(), underWay.end(), false) != underWay.end();
        const auto now = std::chrono::steady_clock::now();
        if (!lockAwaited || now >= until) {
            ReadReports(children, until, kReportLimit);
            break;
        }
        const auto retry = std::min(until, now + kLockRetry);
        ReadReports(children, retry, kReportLimit);
        std::this_thread::sleep_until(retry);  // when every child that was under way has told
        for (std::size_t i = 0; i < drives.size(); ++i) {
            if (!underWay[i])
                underWay[i] = startProbe(*source, drives[i], children[i]);
        }
    }

    std::vector<ProbedDrive> probed;
    probed.reserve(drives.size());
    for (std::size_t i = 0; i < drives.size(); ++i) {
        ReportingChild& child = children[i];
        std::optional<ProbedDrive> told;
        if (child.ended)
            told = decode(child.report, drives[i]);
        if (child.pid > 0) {
            if (!child.ended)
                ::kill(child.pid, SIGKILL);
            reap(child.pid);
        }
        if (child.fd >= 0)
            ::close(child.fd);
        probed.push_back(told ? std::move(*told) : ProbedDrive{std::move(drives[i]), {}, false});
    }
    return probed;
}

}  // namespace marlix
