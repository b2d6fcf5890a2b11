// The shipped marlix-cli scans the drives the system reports, and nothing else.
#include "cli/drive_roots.h"

namespace marlix {

std::unique_ptr<VolumeSource> CliVolumeSource() {
    return CreateSystemVolumeSource();
}

}  // namespace marlix
