// The operating system's view of removable drives, behind one small interface so that the device
// list (and its tests) never call the platform directly.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/result.h"

namespace marlix {

struct DriveInfo {
    // Where the drive's files are, ending in the platform's separator ("E:\", "/media/u/CARD/"),
    // so that the root followed by a file name is that file's path.
    std::string root;
    // Volume label as UTF-8; empty when the volume has none or it cannot be found out.
    std::string label;
    // False when the volume's size could not be queried (no medium, I/O error); the byte counts
    // are 0 then.
    bool spaceKnown = false;
    std::uint64_t totalBytes = 0;
    // Free bytes of the whole volume, including any part reserved for the administrator.
    std::uint64_t freeBytes = 0;

    friend bool operator==(const DriveInfo&, const DriveInfo&) = default;
};

class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // Every removable drive that is attached now, in ascending order of root. A failure means
    // the system's list of volumes could not be read at all; a drive whose label or size cannot
    // be read is still listed.
    virtual Result<std::vector<DriveInfo>> ListRemovableDrives() = 0;
};

// The backend of the platform this program was built for.
std::unique_ptr<VolumeSource> CreateSystemVolumeSource();

}  // namespace marlix
