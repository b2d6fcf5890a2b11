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

}  // namespace marlix
