// marlix-cli's way to UDisks2: the window's client, driven until its answer is in. This header
// is free of Qt, so that cli/ needs none.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/devices/device_rows.h"
#include "core/platform/result.h"

namespace marlix {

// The file systems UDisks2 knows that are not mounted and that isCard takes for a card's.
// Fails, with ErrorCode::Unsupported, when UDisks2 does not answer on the system bus.
Result<std::vector<UnmountedCard>> UnmountedCardsThroughUDisks(
    const std::function<bool(std::uint64_t blockDevice)>& isCard);

// Mounts the file system on the block device (the system's number): its mount point.
Result<std::string> MountThroughUDisks(std::uint64_t blockDevice);

// Unmounts the file system on the block device and powers its drive off where UDisks2 allows:
// a note, empty unless the drive could have been powered off and was not (and why).
Result<std::string> EjectThroughUDisks(std::uint64_t blockDevice);

}  // namespace marlix
