// The device-change source of Linux: turns the system's news about drives (the mount table
// changed, udev saw a block device come, go or change) into the window's device-change
// notification, one per burst.
#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <memory>
#include <string>

#include "gui/devices/device_change_source.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace marlix {

class DeviceChangeWatcher : public DeviceChangeSource {
    Q_OBJECT

public:
    struct Options {
        // The kernel flags this file when anything is mounted or unmounted. It is opened when the
        // watcher is made, so make the watcher before the first scan: a change that comes between
        // the scan and the watch is then still reported.
        std::string mountTablePath = "/proc/self/mountinfo";
        bool watchUdev = true;
        // Quiet time that ends a burst; a long burst is still reported after maxDelay.
        std::chrono::milliseconds debounce{150};
        std::chrono::milliseconds maxDelay{400};
    };

    explicit DeviceChangeWatcher(QObject* parent = nullptr);
    explicit DeviceChangeWatcher(Options options, QObject* parent = nullptr);
    ~DeviceChangeWatcher() override;

    bool watchingMountTable() const { return m_mountNotifier != nullptr; }
    bool watchingUdev() const { return m_udevNotifier != nullptr; }
    // Why a source is not watched, one message naming the source and the system's reason each;
    // empty when both are.
    QStringList problems() const override { return m_problems; }
    // Whether a burst is under way, its deviceChange still to come.
    bool changePending() const { return m_quietTimer.isActive(); }

public slots:
    // Something changed; deviceChange follows when the burst is over. It always carries
    // kDbtDeviceArrival: the mount table does not say what came or went, and the window rescans
    // for either.
    void noteChange();

private:
    void watchMountTable();
    void watchUdev();
    void drainUdev();

    Options m_options;
    QStringList m_problems;
    int m_mountFd = -1;
    QSocketNotifier* m_mountNotifier = nullptr;
    udev* m_udev = nullptr;
    udev_monitor* m_udevMonitor = nullptr;
    QSocketNotifier* m_udevNotifier = nullptr;
    QTimer m_quietTimer;
    QElapsedTimer m_burst;
};

}  // namespace marlix
