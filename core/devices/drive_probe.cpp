#include "core/devices/drive_probe.h"

#include "core/devices/device_rows.h"

namespace marlix {

ProbedDrive ProbeOneDrive(VolumeSource& source, DriveInfo drive) {
    source.ProbeDrive(drive);
    std::string version = ReadVersionText(drive.root).text;
    return ProbedDrive{std::move(drive), std::move(version), true};
}

}  // namespace marlix
