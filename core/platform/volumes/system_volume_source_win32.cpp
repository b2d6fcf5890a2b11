// The Win32 backend lives in platform/volumes/windows/.
#include "core/platform/volumes/volume_source.h"
#include "core/platform/volumes/windows/windows_volume_source.h"

namespace marlix {

std::unique_ptr<VolumeSource> CreateSystemVolumeSource() {
    return CreateWindowsVolumeSource();
}

}  // namespace marlix
