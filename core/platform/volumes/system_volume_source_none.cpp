// Systems without a volume source of their own build and run, and say plainly that they cannot
// list drives rather than pretending that none are attached.
#include "core/platform/volumes/volume_source.h"

namespace marlix {

namespace {

class UnsupportedVolumeSource final : public VolumeSource {
public:
    Result<std::vector<DriveInfo> > ListRemovableDrives() override {
        return Status::failure("Listing removable drives is not supported on this system",
                               ErrorCode::Unsupported);
    }
    void ProbeDrive(DriveInfo&) override {}
};

}  // namespace

std::unique_ptr<VolumeSource> CreateSystemVolumeSource() {
    return std::make_unique<UnsupportedVolumeSource>();
}

}  // namespace marlix
