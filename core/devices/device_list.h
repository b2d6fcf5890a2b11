// The device list's state between scans: the rows, the target drive of "Set" and the row that
// shows it selected. The window and the command-line tool both keep one.
#pragma once

#include <string>
#include <vector>

#include <chrono>
#include <memory>

#include "core/devices/device_rows.h"
#include "core/devices/drive_probe.h"
#include "core/platform/result.h"
#include "core/platform/volumes/volume_source.h"

namespace marlix {

class DeviceList {
public:
    // Takes the rows of a new scan. A drive the user chose stays the target, on whatever row it
    // now is, for as long as it is listed; otherwise row 0 becomes the target. A scan without
    // drives empties the list and clears the target, so a card that is gone is never written.
    // The rows of unmounted cards follow the scan's rows.
    void Apply(std::vector<DeviceRow> rows);

    // The cards that are present but not mounted, shown after the mounted drives in the order
    // given; never a target. One whose device the scan lists as mounted is left out.
    void ApplyUnmounted(std::vector<UnmountedCard> cards);
    // camera.conf was written onto the drive at root and read back: its row holds those bytes
    // until the drive's next probe tells.
    void NoteWritten(const std::string& root, std::string bytes);
    // A write onto the drive at root did not end in time: its row shows it as not answering
    // until the drive's next probe tells otherwise.
    void NoteNotAnswering(const std::string& root);

    // A new listing, before the drives are probed: a row per drive, which keeps the texts of
    // its last probe while the drive is listed as before, and reads "Reading..." otherwise.
    void ApplyListing(const std::vector<DriveInfo>& drives);
    // What the probes told, for the rows whose drive is still listed as it was probed.
    void ApplyProbes(const std::vector<ProbedDrive>& probed);

    // Lists the drives, probes them (waiting for them up to the deadline) and applies them.
    // When the system's list cannot be read, nothing changes and the failure is returned.
    Status Rescan(const std::shared_ptr<VolumeSource>& source,
                  std::chrono::milliseconds deadline = kDriveProbeDeadline);

    // The user picked a row: it becomes the target and stays so across rescans while listed.
    // Out-of-range rows and those of unmounted cards are ignored (false). Selecting selectedRow()
    // after a fill is the program's doing, not the user's, and should not be reported here.
    bool Choose(int row);

    const std::vector<DeviceRow>& rows() const { return m_rows; }
    // The roots of the mounted drives' rows, in row order.
    std::vector<std::string> roots() const;
    // Empty when there is no target.
    const std::string& targetRoot() const { return m_targetRoot; }
    // The row of the target; nullptr when there is none.
    const DeviceRow* targetRow() const;
    // The row to show selected and focused; -1 when the list is empty.
    int selectedRow() const { return m_selectedRow; }

private:
    std::vector<DeviceRow> m_rows;  // the mounted drives', then the unmounted cards'
    std::size_t m_mountedRows = 0;
    std::vector<UnmountedCard> m_unmounted;
    std::string m_targetRoot;
    std::string m_chosenRoot;  // what the user picked; empty while the target is the default
    int m_selectedRow = -1;
};

}  // namespace marlix
