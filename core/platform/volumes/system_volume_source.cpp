// Picks the volume backend at compile time.
#include "core/platform/volumes/volume_source.h"

#if defined(__linux__)
#include "core/platform/volumes/linux/linux_volume_source.h"
#elif defined(_WIN32)
// The Win32 backend lives in platform/volumes/windows/ and provides CreateWindowsVolumeSource().
#include "core/platform/volumes/windows/windows_volume_source.h"
#endif

namespace marlix {

#if defined(__linux__)

std::unique_ptr<VolumeSource> CreateSystemVolumeSource() {
    return std::make_unique<LinuxVolumeSource>(LinuxVolumeConfig::System());
}

#elif defined(_WIN32)

std::unique_ptr<VolumeSource> CreateSystemVolumeSource() {
    return CreateWindowsVolumeSource();
}

#else

namespace {

// Other systems build and run, and say plainly that they cannot list drives rather than
// pretending that none are attached.
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

#endif

}  // namespace marlix
