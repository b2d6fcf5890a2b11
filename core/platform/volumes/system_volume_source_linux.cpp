#include "core/platform/volumes/linux/linux_volume_source.h"
#include "core/platform/volumes/volume_source.h"

namespace marlix {

std::unique_ptr<VolumeSource> CreateSystemVolumeSource() {
    return std::make_unique<LinuxVolumeSource>(LinuxVolumeConfig::System());
}

}  // namespace marlix
