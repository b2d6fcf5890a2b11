// The POSIX pieces of abandonable work, for callers that run several children at once (the
// drive probes).
#pragma once

#include <sys/types.h>

#include "core/platform/abandonable_work.h"

namespace marlix {

// The pieces, for several children at once (the drive probes).
struct ReportingChild {
    pid_t pid = -1;
    int fd = -1;  // the read end of its report
    std::string report;
    bool ended = false;  // it closed its end: the report is all it will tell
};

// Forks a child that runs the work with standard input, output and error on /dev/null, nothing
// else open but its report on descriptor 3 (and `held`, when given, on 4: a lock the child holds
// for as long as it lives), writes what the work returns there and exits. pid
// and fd are -1 when no child could be started. With endWithParent, the child is sent SIGTERM
// when the thread that started it ends (Linux only).
ReportingChild StartReportingChild(const std::function<std::string()>& work,
                                   bool endWithParent = false, int held = -1);

// Reads the children's reports (up to `limit` bytes of each) until each has ended or the
// deadline has come.
void ReadReports(std::vector<ReportingChild>& children, std::chrono::steady_clock::time_point until,
                 std::size_t limit);

}  // namespace marlix
