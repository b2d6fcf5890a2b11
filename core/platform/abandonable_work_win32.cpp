// Windows ends a program's other threads when it exits, whatever they wait for, so a thread is
// enough here: work that is late is left to finish (or not) on its own.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "core/platform/abandonable_work.h"

namespace marlix {

namespace {

struct Shared {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<std::string> told;
};

}  // namespace

WorkOutcome RunAbandonable(std::function<std::string()> work, std::chrono::milliseconds deadline,
                           const std::function<void()>& started) {
    auto shared = std::make_shared<Shared>();
    bool running = true;
    try {
        std::thread([shared, work = std::move(work)] {
            std::string told = work();
            const std::lock_guard lock(shared->mutex);
            shared->told = std::move(told);
            shared->done.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        running = false;
    }
    if (started)
        started();
    if (!running)
        return {};
    std::unique_lock lock(shared->mutex);
    if (!shared->done.wait_for(lock, deadline, [&] { return shared->told.has_value(); }))
        return {WorkOutcome::Ended::Late, {}};
    return {WorkOutcome::Ended::Told, std::move(*shared->told)};
}

}  // namespace marlix
