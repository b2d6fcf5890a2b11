// A child inherits nothing it could hold on to (a child stuck in the kernel must not keep
// `marlix-cli devices | cat` from ending) and reports over a pipe; the parent reads until the
// deadline and then leaves whoever is late behind, killed.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <algorithm>
#include <cerrno>
#include <mutex>

#include "core/platform/abandonable_work_posix.h"

namespace marlix {

namespace {

[[noreturn]] void runChild(int report, int held, const std::function<std::string()>& work) {
    // The report goes to descriptor 3 and what the child holds to 4; standard input and output
    // to /dev/null; nothing else stays open.
    const int movedReport = ::fcntl(report, F_DUPFD, 5);
    const int movedHeld = held >= 0 ? ::fcntl(held, F_DUPFD, 5) : -1;
    const int devNull = ::open("/dev/null", O_RDWR);
    if (movedReport < 0 || devNull < 0 || (held >= 0 && movedHeld < 0) || ::dup2(devNull, 0) < 0 ||
        ::dup2(devNull, 1) < 0 || ::dup2(devNull, 2) < 0 || ::dup2(movedReport, 3) < 0 ||
        (movedHeld >= 0 && ::dup2(movedHeld, 4) < 0)) {
        ::_exit(1);
    }
    ::close_range(movedHeld >= 0 ? 5 : 4, ~0u, 0);
    const std::string bytes = work();
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(3, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ::_exit(1);
        done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
}

// Work children killed at the deadline that had not ended yet; reaped when they do.
std::mutex g_leftMutex;
std::vector<pid_t> g_left;

void reapLeftBehind() {
    const std::lock_guard lock(g_leftMutex);
    std::erase_if(g_left, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

// A work's report: a status and a message.
constexpr std::size_t kWorkReportLimit = 65536;

}  // namespace

ReportingChild StartReportingChild(const std::function<std::string()>& work, bool endWithParent,
                                   int held) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return {};
    [[maybe_unused]] const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
#ifdef __linux__
        // A program that is ended (a window closed by the session, marlix-cli by Ctrl+C or
        // SIGTERM) takes its work with it, which then cleans up as a signal makes it.
        if (endWithParent && (::prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || ::getppid() != parent)) {
            ::_exit(1);
        }
#endif
        runChild(ends[1], held, work);
    }
    ::close(ends[1]);
    if (pid < 0) {
        ::close(ends[0]);
        return {};
    }
    return ReportingChild{pid, ends[0], {}, false};
}

void ReadReports(std::vector<ReportingChild>& children, std::chrono::steady_clock::time_point until,
                 std::size_t limit) {
    for (;;) {
        std::vector<pollfd> waiting;
        std::vector<std::size_t> which;
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (children[i].fd >= 0 && !children[i].ended) {
                waiting.push_back(pollfd{children[i].fd, POLLIN, 0});
                which.push_back(i);
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        if (waiting.empty() || left.count() <= 0)
            return;
        const int ready = ::poll(waiting.data(), waiting.size(), static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR)
            return;
        for (std::size_t k = 0; ready > 0 && k < waiting.size(); ++k) {
            if (waiting[k].revents == 0)
                continue;
            ReportingChild& child = children[which[k]];
            char buffer[4096];
            const ssize_t n = ::read(child.fd, buffer, sizeof buffer);
            if (n > 0 && child.report.size() < limit)
                child.report.append(buffer, static_cast<std::size_t>(n));
            else if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN))
                child.ended = true;
        }
    }
}

WorkOutcome RunAbandonable(std::function<std::string()> work, std::chrono::milliseconds deadline,
                           const std::function<void()>& started) {
    reapLeftBehind();
    const auto until = std::chrono::steady_clock::now() + deadline;
    std::vector<ReportingChild> children{StartReportingChild(work, true)};
    if (started)
        started();
    ReportingChild& child = children.front();
    if (child.pid < 0)
        return {};
    ReadReports(children, until, kWorkReportLimit);
    ::close(child.fd);
    if (!child.ended)
        ::kill(child.pid, SIGKILL);
    // One that told all and ends is reaped at once; one that is late or still closing its files
    // on a card that stopped answering, later.
    if (::waitpid(child.pid, nullptr, WNOHANG) == 0) {
        const std::lock_guard lock(g_leftMutex);
        g_left.push_back(child.pid);
    }
    if (!child.ended)
        return {WorkOutcome::Ended::Late, {}};
    return {WorkOutcome::Ended::Told, std::move(child.report)};
}

}  // namespace marlix
