#include "core/devices/every_card.h"

#include "core/export/camera_conf.h"
#include "core/platform/text.h"

namespace marlix {

namespace {

Status writeOne(const DeviceRow& row, const std::function<Result<std::string>()>& build) {
    const std::string quoted = "\"" + row.root + "\"";
    switch (row.state) {
        case DriveState::Answered:
            break;
        case DriveState::Unmounted:
            return Status::failure(
                "The card on " + quoted + " is not mounted; camera.conf was not written",
                ErrorCode::DriveGone);
        case DriveState::Probing:
        case DriveState::NotAnswering:
            // Writing onto a card that does not answer would hang in the system, perhaps for good.
            return Status::failure(
                "The drive " + quoted + " did not answer; camera.conf was not written",
                ErrorCode::NotAnswering);
    }
    auto bytes = build();
    if (!bytes)
        return bytes.status();
    return WriteCameraConf(PathFromUtf8(row.root), *bytes, row.drive.rootDevice);
}

}  // namespace

std::vector<CardWrite> WriteEveryCard(const std::vector<DeviceRow>& rows,
                                      const std::function<Result<std::string>()>& build,
                                      const std::function<void(const CardWrite&)>& done) {
    std::vector<CardWrite> writes;
    writes.reserve(rows.size());
    for (const DeviceRow& row : rows) {
        writes.push_back({row.root, row.label, writeOne(row, build)});
        if (done)
            done(writes.back());
    }
    return writes;
}

}  // namespace marlix
