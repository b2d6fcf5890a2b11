#include "core/devices/drive_probe.h"

#include "core/devices/device_rows.h"

namespace marlix {

ProbedDrive ProbeOneDrive(VolumeSource& source, DriveInfo drive) {
    source.ProbeDrive(drive);
    std::string version = ReadVersionText(drive.root).text;
    CardConf conf = ReadCardConf(drive.root);
    return ProbedDrive{std::move(drive), std::move(version), true, std::move(conf)};
}

}  // namespace marlix
