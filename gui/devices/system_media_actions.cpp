// Picks the media actions of the system the window runs on. A new system's are one more branch
// here and files of their own; the window does not change.
#include <QTimer>

#include "gui/devices/media_actions.h"

#if defined(MARLIX_HAVE_UDISKS)
#include "gui/devices/udisks_media_actions.h"
#elif defined(_WIN32)
#include "gui/devices/windows_media_actions.h"
#endif

namespace marlix {

#if !defined(MARLIX_HAVE_UDISKS) && !defined(_WIN32)
namespace {

// Offers nothing: the desktop mounts and ejects cards by itself.
class NoMediaActions final : public MediaActions {
public:
    void Mount(const UnmountedCard&, Done done) override {
        QTimer::singleShot(0, this, [done = std::move(done)] {
            done(Status::failure("Cards cannot be mounted from marlix here",
                                 ErrorCode::Unsupported));
        });
    }
    void Eject(const DriveInfo&, Done done) override {
        QTimer::singleShot(0, this, [done = std::move(done)] {
            done(Status::failure("Cards cannot be ejected from marlix here",
                                 ErrorCode::Unsupported));
        });
    }
};

}  // namespace
#endif

std::unique_ptr<MediaActions> CreateSystemMediaActions() {
#if defined(MARLIX_HAVE_UDISKS)
    return std::make_unique<UDisksMediaActions>();
#elif defined(_WIN32)
    return std::make_unique<WindowsMediaActions>();
#else
    return std::make_unique<NoMediaActions>();
#endif
}

}  // namespace marlix
