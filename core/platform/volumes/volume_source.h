// The operating system's view of removable drives, behind one small interface so that the device
// list (and its tests) never call the system directly.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/result.h"

namespace marlix {

struct DriveInfo {
    // Where the drive's files are, ending in the system's separator ("E:\", "/media/u/CARD/"),
    // so that the root followed by a file name is that file's path.
    std::string root;
    // Volume label as UTF-8; empty when the volume has none or it cannot be found out.
    std::string label;
    // False when the volume's size could not be queried (no medium, I/O error, not probed yet);
    // the byte counts are 0 then.
    bool spaceKnown = false;
    std::uint64_t totalBytes = 0;
    // Free bytes of the whole volume, including any part reserved for the administrator.
    std::uint64_t freeBytes = 0;
    // The system's number of the device the files at root are on, as the probe saw it (a card's
    // mount, not the folder it is mounted on); nullopt where the system has none or the drive
    // was not probed. A write onto the card checks it, so that it never lands in an empty mount
    // point left behind on the computer's own disk.
    std::optional<std::uint64_t> rootDevice = std::nullopt;

    // What the listing found out for the probe and for StillMounted: the backend's own business.
    struct Listing {
        std::uint64_t mountDevice = 0;  // the mount table's number of the mount
        std::uint64_t blockDevice = 0;  // the block device it is on
        std::string source;             // what the mount table says is mounted ("/dev/sdb1")
        bool labelKnown = false;        // the system's tables gave the label
        friend bool operator==(const Listing&, const Listing&) = default;
    } listing = {};

    friend bool operator==(const DriveInfo&, const DriveInfo&) = default;
};

class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // Every removable drive that is attached now, in ascending order of root, found without
    // asking any drive itself (the system's tables only), so that a drive that does not answer
    // cannot hold the list up. A failure means the system's list of volumes could not be read at
    // all.
    virtual Result<std::vector<DriveInfo>> ListRemovableDrives() = 0;
    // Asks the drive itself what only it can tell: its size, its device number and, where the
    // system's tables do not know it, its label. May block for as long as the drive takes to
    // answer (for ever, if it never does): call it through ProbeDrives, which gives up in time.
    // Must be safe to call on one source from several threads at once.
    virtual void ProbeDrive(DriveInfo& drive) = 0;
    // Whether the drive's root is still where the drive was listed, without asking the drive.
    virtual bool StillMounted(const DriveInfo& /*drive*/) { return true; }
    // Whether a block device (by the system's number) that is not mounted would be listed once it
    // is: a card to offer "Mount" for. Asks the system's tables only. False where the system
    // mounts cards itself.
    virtual bool IsRemovableDevice(std::uint64_t /*blockDevice*/) { return false; }
};

// The backend of the system this program was built for.
std::unique_ptr<VolumeSource> CreateSystemVolumeSource();

}  // namespace marlix
