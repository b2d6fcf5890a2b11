// Asking the drives about themselves without ever waiting on one for long: a card whose file
// system stops answering must not hold up the window, a command, or the other drives.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/devices/card_conf.h"
#include "core/platform/volumes/volume_source.h"

namespace marlix {

// How long a scan waits for the drives to answer; one that has not by then is shown as not
// answering.
inline constexpr std::chrono::milliseconds kDriveProbeDeadline{2000};

struct ProbedDrive {
    DriveInfo drive;      // with what the drive told, or what the listing knew
    std::string version;  // the text of its version.txt, as the row shows it
    bool answered = false;
    CardConf conf = {};  // its camera.conf
};

// What one drive tells: VolumeSource::ProbeDrive, its version.txt and its camera.conf. May
// block.
ProbedDrive ProbeOneDrive(VolumeSource& source, DriveInfo drive);

// Probes every drive at once, each away from the caller: in a child process on POSIX systems
// (one that the system holds in an uninterruptible wait can be left behind, where a thread
// would keep the whole program from ending), in a thread on Windows. Returns, in the drives'
// order, by the deadline at the latest; a drive that has not answered by then is marked so and
// keeps what the listing knew. `started` is called once every probe is under way, before the
// wait (see the window's probe thread).
std::vector<ProbedDrive> ProbeDrives(const std::shared_ptr<VolumeSource>& source,
                                     std::vector<DriveInfo> drives,
                                     std::chrono::milliseconds deadline = kDriveProbeDeadline,
                                     const std::function<void()>& started = {});

}  // namespace marlix
