// The removable drives as marlix-cli sees them: the window's list, from the same scan.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "devices/device_rows.h"
#include "platform/result.h"

namespace marlix {

// The rows the window's device list would show now, in its order.
Result<std::vector<DeviceRow>> ScanDeviceRows();

// The listed root that the given one names, with or without its trailing separator; a failure
// naming the given root and the listed ones when it is not a listed removable drive.
Result<std::string> FindRemovableRoot(std::string_view given);

}  // namespace marlix
