// Each drive is probed by a child process of its own (abandonable_work.h), which reports over a
// pipe; the parent reads until the deadline and then leaves whoever is late behind, killed. A
// child the kernel will not let die is reaped by a later scan, or by init.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <optional>
#include <string_view>

#include "core/devices/drive_probe.h"
#include "core/export/camera_conf_reader.h"
#include "core/platform/abandonable_work.h"

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

}  // namespace

std::vector<ProbedDrive> ProbeDrives(const std::shared_ptr<VolumeSource>& source,
                                     std::vector<DriveInfo> drives,
                                     std::chrono::milliseconds deadline,
                                     const std::function<void()>& started) {
    reapLeftBehind();
    const auto until = std::chrono::steady_clock::now() + deadline;
    std::vector<ReportingChild> children(drives.size());
    for (std::size_t i = 0; i < drives.size(); ++i)
        children[i] =
            StartReportingChild([&] { return encode(ProbeOneDrive(*source, drives[i])); });
    if (started)
        started();
    ReadReports(children, until, kReportLimit);

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
