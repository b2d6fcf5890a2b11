#include "cli/commands.h"
#include "cli/drive_roots.h"
#include "cli/json_output.h"
#include "core/devices/device_list.h"
#include "core/platform/escaped_text.h"

namespace marlix {

namespace {

std::string_view withoutTrailingSeparators(std::string_view root) {
    while (root.size() > 1 && (root.back() == '/' || root.back() == '\\')) root.remove_suffix(1);
    return root;
}

const char* stateName(DriveState state) {
    switch (state) {
        case DriveState::Answered:
            return "ready";
        case DriveState::Unmounted:
            return "not mounted";
        case DriveState::Probing:
        case DriveState::NotAnswering:
            break;
    }
    return "not answering";
}

Json deviceObject(const DeviceRow& row) {
    Json drive = Json::object();
    PutText(drive, "root", row.root);
    PutText(drive, "label", row.label);
    drive["state"] = stateName(row.state);
    const bool sized = row.state == DriveState::Answered && row.drive.spaceKnown;
    drive["free_bytes"] = sized ? Json(row.drive.freeBytes) : Json(nullptr);
    drive["total_bytes"] = sized ? Json(row.drive.totalBytes) : Json(nullptr);
    PutText(drive, "space", row.space);
    PutText(drive, "version", row.version);
    return drive;
}

}  // namespace

std::string NotAnsweringMessage(std::string_view root) {
    return "The drive \"" + std::string(root) + "\" did not answer within " +
           std::to_string(kDriveProbeDeadline.count() / 1000) +
           " seconds; its size and version.txt are not known";
}

Result<std::vector<DeviceRow>> ScanDeviceRows() {
    DeviceList list;
    if (const Status status = list.Rescan(CliVolumeSource()); !status)
        return status;
    return list.rows();
}

Result<DeviceRow> FindRemovableDrive(std::string_view given) {
    auto rows = ScanDeviceRows();
    if (!rows)
        return rows.status();
    // A root is matched as typed and as `devices` prints it. A backslash in a root makes the two
    // readings differ, so when they name two drives the card is not guessed at.
    const std::string_view wanted = withoutTrailingSeparators(given);
    const DeviceRow* found = nullptr;
    bool ambiguous = false;
    std::string listed;
    for (const DeviceRow& row : *rows) {
        if (SameDriveRoot(withoutTrailingSeparators(row.root), wanted) ||
            SameDriveRoot(withoutTrailingSeparators(EscapedText(row.root)), wanted)) {
            ambiguous = found != nullptr;
            found = found ? found : &row;
        }
        listed += listed.empty() ? "" : ", ";
        listed += row.root;
    }
    if (found && !ambiguous)
        return *found;
    return Status::failure(
        "\"" + std::string(given) + "\" is " +
            (ambiguous ? "more than one listed removable drive" : "not a listed removable drive") +
            " (" + (listed.empty() ? "none is attached" : "listed: " + listed) + ")",
        ErrorCode::NotFound);
}

int RunDevices(Invocation& in) {
    auto rows = ScanDeviceRows();
    if (!rows)
        return in.fail(rows.status());
    if (in.has("--json")) {
        Json drives = Json::array();
        for (const DeviceRow& row : *rows) drives.push_back(deviceObject(row));
        PrintJson(in.out, drives);
    }
    for (const DeviceRow& row : *rows) {
        if (row.state == DriveState::NotAnswering)
            in.err << kProgramName << ": " << EscapedText(NotAnsweringMessage(row.root)) << "\n";
        if (in.has("--json"))
            continue;
        in.out << EscapedText(row.root) << '\t' << EscapedText(row.label) << '\t'
               << EscapedText(row.space) << '\t' << EscapedText(row.version) << '\n';
    }
    return kExitSuccess;
}

}  // namespace marlix
