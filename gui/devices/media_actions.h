// Mounting and ejecting cards, as the system offers it: UDisks2 on Linux, the system's safe
// removal on Windows, nothing elsewhere. CreateSystemMediaActions picks the one of the system the
// window runs on, so that the window does not need to know which system that is.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/devices/device_rows.h"
#include "core/platform/result.h"

namespace marlix {

class MediaActions : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~MediaActions() override = default;

    // Starts asking the system; never waits for it. changed() follows whatever it answers.
    virtual void Start() {}
    // Whether the actions can be offered now (the service answered and is still there).
    virtual bool CanMount() const { return false; }
    virtual bool CanEject() const { return false; }
    // File systems the system knows that are present and not mounted, whatever their drive; the
    // window keeps those of cards.
    virtual std::vector<UnmountedCard> Unmounted() const { return {}; }

    // Each answers once through `done`, later, on this thread: Mount with the mount point,
    // Eject with a note that is empty unless there is something to add (the drive could not be
    // powered off). A failure carries the system's reason.
    using Done = std::function<void(Result<std::string>)>;
    virtual void Mount(const UnmountedCard& card, Done done) = 0;
    virtual void Eject(const DriveInfo& drive, Done done) = 0;

signals:
    // Availability or the unmounted file systems changed.
    void changed();
};

// Never null: where the system offers neither action, the one returned offers none.
std::unique_ptr<MediaActions> CreateSystemMediaActions();

}  // namespace marlix
