// Eject on Windows: the system's safe removal, asked for away from the window's thread (the
// system asks every program that has the drive open, which can take a while).
#pragma once

#include <memory>
#include <mutex>

#include "gui/devices/media_actions.h"

namespace marlix {

class WindowsMediaActions final : public MediaActions {
    Q_OBJECT

public:
    explicit WindowsMediaActions(QObject* parent = nullptr);
    ~WindowsMediaActions() override;
    bool CanEject() const override { return true; }
    void Mount(const UnmountedCard& card, Done done) override;
    void Eject(const DriveInfo& drive, Done done) override;

    // Lets a removal that finishes after the window is gone drop its answer.
    struct Gate {
        std::mutex mutex;
        WindowsMediaActions* owner = nullptr;
    };

private:
    std::shared_ptr<Gate> m_gate = std::make_shared<Gate>();
};

}  // namespace marlix
