// Work that may hang in the system (every call on the files of a card that stopped answering
// waits with it, perhaps for good) done away from the caller, who waits for it only until a
// deadline and then leaves it behind. On POSIX systems it runs in a child process, which the
// system may hold in an uninterruptible wait but which never keeps this program from ending; on
// Windows in a thread, since Windows ends a program's threads with it whatever they wait for.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace marlix {

struct WorkOutcome {
    enum class Ended {
        Told,      // by the deadline; `told` is what came, which may be cut short (a child
                   // killed meanwhile), so it says whether it is whole
        Silently,  // it could not be started
        Late,      // not by the deadline; it was left behind
    };
    Ended ended = Ended::Silently;
    std::string told;
};

// Runs the work and waits for it up to the deadline. The work must own everything it uses (it
// may outlive the call) and returns what it has to tell. On POSIX systems it runs in a copy of
// this process, which ends when the thread that started it does and on SIGKILL at the deadline
// (or once the system lets it go). `started` is called once the work is under way, before the
// wait: a window's thread that waits for it meanwhile keeps every lock it holds out of the copy.
WorkOutcome RunAbandonable(std::function<std::string()> work, std::chrono::milliseconds deadline,
                           const std::function<void()>& started = {});

#ifndef _WIN32
// The pieces, for several children at once (the drive probes).
struct ReportingChild {
    pid_t pid = -1;
    int fd = -1;  // the read end of its report
    std::string report;
    bool ended = false;  // it closed its end: the report is all it will tell
};

// Forks a child that runs the work with standard input, output and error on /dev/null, nothing
// else open but its report on descriptor 3, writes what the work returns there and exits. pid
// and fd are -1 when no child could be started. With endWithParent, the child is sent SIGTERM
// when the thread that started it ends (Linux only).
ReportingChild StartReportingChild(const std::function<std::string()>& work,
                                   bool endWithParent = false);

// Reads the children's reports (up to `limit` bytes of each) until each has ended or the
// deadline has come.
void ReadReports(std::vector<ReportingChild>& children, std::chrono::steady_clock::time_point until,
                 std::size_t limit);
#endif

}  // namespace marlix
