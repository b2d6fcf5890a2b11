#include "gui/devices/windows_media_actions.h"

#include <QTimer>
#include <thread>

#include "core/platform/volumes/windows/windows_eject.h"

namespace marlix {

WindowsMediaActions::WindowsMediaActions(QObject* parent) : MediaActions(parent) {
    m_gate->owner = this;
}

WindowsMediaActions::~WindowsMediaActions() {
    const std::lock_guard lock(m_gate->mutex);
    m_gate->owner = nullptr;
}

void WindowsMediaActions::Mount(const UnmountedCard&, Done done) {
    QTimer::singleShot(0, this, [done = std::move(done)] {
        done(Status::failure("Windows mounts cards by itself", ErrorCode::Unsupported));
    });
}

void WindowsMediaActions::Eject(const DriveInfo& drive, Done done) {
    // Windows ends a program's other threads when it exits, so the thread may outlive the
    // window; its answer then finds no one to take it.
    std::thread([gate = m_gate, root = drive.root, done = std::move(done)] {
        const Status status = EjectVolume(root);
        const std::lock_guard lock(gate->mutex);
        if (gate->owner == nullptr)
            return;
        QMetaObject::invokeMethod(
            gate->owner,
            [status, done] {
                done(status ? Result<std::string>(std::string()) : Result<std::string>(status));
            },
            Qt::QueuedConnection);
    }).detach();
}

}  // namespace marlix
