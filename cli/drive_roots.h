// The removable drives as marlix-cli sees them: the window's list, from the same scan.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/devices/device_rows.h"
#include "core/platform/result.h"
#include "core/platform/volumes/volume_source.h"

namespace marlix {

// Where the scan looks. marlix-cli links the system's drives (cli/system_volumes.cpp); only the
// test build that tests/cli runs links fixture trees instead, so no setting of the shipped tool
// can make another drive count as removable.
std::unique_ptr<VolumeSource> CliVolumeSource();

// The rows the window's device list would show now, in its order.
Result<std::vector<DeviceRow>> ScanDeviceRows();

// The listed drive that the given root names, with or without its trailing separator, plain or
// as `devices` prints it (escaped); a failure naming the given root and the listed ones when it
// is not a listed removable drive or could name two of them.
Result<DeviceRow> FindRemovableDrive(std::string_view given);

// Whether two roots (without their trailing separators) name the same drive: on Windows drive
// letters are typed in either case ("e:" for E:\), elsewhere a root is a path, byte for byte
// (drive_roots_win32.cpp, drive_roots_posix.cpp).
bool SameDriveRoot(std::string_view a, std::string_view b);

// What is said of a drive that did not answer its probe in time.
std::string NotAnsweringMessage(std::string_view root);

}  // namespace marlix
