// marlix-cli-test, the build of marlix-cli that the tests run, scans fixture trees (a mount table,
// a sysfs tree and a udev database) named by these variables. The fixtures hold no device nodes,
// so labels come from the udev records alone.
#include <cstdlib>

#include "cli/drive_roots.h"
#include "core/platform/volumes/linux/linux_volume_source.h"

namespace marlix {

std::unique_ptr<VolumeSource> CliVolumeSource() {
    const char* mountInfo = std::getenv("MARLIX_TEST_MOUNTINFO");
    const char* sysfs = std::getenv("MARLIX_TEST_SYSFS");
    const char* udevData = std::getenv("MARLIX_TEST_UDEV_DATA");
    if (mountInfo && sysfs && udevData) {
        return std::make_unique<LinuxVolumeSource>(LinuxVolumeConfig{
            mountInfo, sysfs, std::make_shared<UdevBlockDeviceProperties>(udevData, udevData),
            &StatVolume});
    }
    return CreateSystemVolumeSource();
}

}  // namespace marlix
