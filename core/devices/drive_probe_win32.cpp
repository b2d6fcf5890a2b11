// Windows ends a program's other threads when it exits, whatever they wait for, so a thread per
// drive is enough here: a probe that is late is left to finish (or not) on its own, holding its
// own reference to the source.
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/devices/drive_probe.h"

namespace marlix {

namespace {

struct Shared {
    std::mutex mutex;
    std::condition_variable done;
    std::vector<std::optional<ProbedDrive>> results;
    std::size_t finished = 0;
};

}  // namespace

std::vector<ProbedDrive> ProbeDrives(const std::shared_ptr<VolumeSource>& source,
                                     std::vector<DriveInfo> drives,
                                     std::chrono::milliseconds deadline,
                                     const std::function<void()>& started) {
    auto shared = std::make_shared<Shared>();
    shared->results.resize(drives.size());
    for (std::size_t i = 0; i < drives.size(); ++i) {
        try {
            std::thread([shared, source, i, drive = drives[i]]() mutable {
                ProbedDrive probed = ProbeOneDrive(*source, std::move(drive));
                const std::lock_guard lock(shared->mutex);
                shared->results[i] = std::move(probed);
                ++shared->finished;
                shared->done.notify_all();
            }).detach();
        } catch (const std::system_error&) {
            // No thread to be had: this drive is reported as not answering.
        }
    }
    if (started)
        started();
    std::vector<ProbedDrive> probed;
    std::unique_lock lock(shared->mutex);
    shared->done.wait_for(lock, deadline, [&] { return shared->finished == drives.size(); });
    for (std::size_t i = 0; i < drives.size(); ++i) {
        if (shared->results[i])
            probed.push_back(*shared->results[i]);
        else
            probed.push_back(ProbedDrive{std::move(drives[i]), {}, false});
    }
    return probed;
}

}  // namespace marlix
