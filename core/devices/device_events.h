// Event codes of the device-change notification, as the window's dispatch sees them.
#pragma once

namespace marlix {

inline constexpr unsigned kDbtDeviceArrival = 0x8000;         // DBT_DEVICEARRIVAL
inline constexpr unsigned kDbtDeviceRemoveComplete = 0x8004;  // DBT_DEVICEREMOVECOMPLETE

// Only an arrival or a completed removal changes the set of drives; queries and pending
// removals must not rebuild the list under the user.
constexpr bool ShouldRescanDrives(unsigned eventCode) {
    return eventCode == kDbtDeviceArrival || eventCode == kDbtDeviceRemoveComplete;
}

}  // namespace marlix
