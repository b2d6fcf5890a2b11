// Builds without a way to mount and eject (no UDisks2, not Windows).
#include <QTimer>

#include "gui/devices/media_actions.h"

namespace marlix {

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

std::unique_ptr<MediaActions> CreateSystemMediaActions() {
    return std::make_unique<NoMediaActions>();
}

}  // namespace marlix
