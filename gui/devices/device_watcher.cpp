#include "gui/devices/device_watcher.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

#include "core/devices/device_events.h"

namespace marlix {

namespace {

QString reasonText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

DeviceChangeWatcher::DeviceChangeWatcher(QObject* parent)
    : DeviceChangeWatcher(Options(), parent) {}

DeviceChangeWatcher::DeviceChangeWatcher(Options options, QObject* parent)
    : DeviceChangeSource(parent), m_options(std::move(options)) {
    m_quietTimer.setSingleShot(true);
    connect(&m_quietTimer, &QTimer::timeout, this,
            [this] { emit deviceChange(kDbtDeviceArrival); });
    watchMountTable();
    if (m_options.watchUdev)
        watchUdev();
}

DeviceChangeWatcher::~DeviceChangeWatcher() {
    // Notifiers go before the descriptors they watch.
    delete m_mountNotifier;
    delete m_udevNotifier;
    if (m_mountFd >= 0)
        ::close(m_mountFd);
    if (m_udevMonitor != nullptr)
        udev_monitor_unref(m_udevMonitor);
    if (m_udev != nullptr)
        udev_unref(m_udev);
}

void DeviceChangeWatcher::noteChange() {
    const auto debounce = static_cast<int>(m_options.debounce.count());
    if (!m_quietTimer.isActive()) {
        m_burst.start();
        m_quietTimer.start(debounce);
    } else if (m_burst.elapsed() + debounce <= m_options.maxDelay.count()) {
        m_quietTimer.start(debounce);
    }
}

void DeviceChangeWatcher::watchMountTable() {
    m_mountFd = ::open(m_options.mountTablePath.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_mountFd < 0) {
        m_problems << tr("Cannot watch the mount table \"%1\": %2")
                          .arg(QString::fromStdString(m_options.mountTablePath), reasonText(errno));
        return;
    }
    // The kernel reports a changed mount table as an exceptional condition (POLLPRI), and polling
    // the descriptor is what acknowledges it.
    m_mountNotifier = new QSocketNotifier(m_mountFd, QSocketNotifier::Exception, this);
    connect(m_mountNotifier, &QSocketNotifier::activated, this, &DeviceChangeWatcher::noteChange);
}

void DeviceChangeWatcher::watchUdev() {
    const auto fail = [this](int error) {
        m_problems << tr("Cannot listen to udev block device events: %1")
                          .arg(reasonText(error != 0 ? error : ENOMEM));
    };
    errno = 0;
    m_udev = udev_new();
    if (m_udev == nullptr)
        return fail(errno);
    m_udevMonitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (m_udevMonitor == nullptr)
        return fail(errno);
    if (const int rc =
            udev_monitor_filter_add_match_subsystem_devtype(m_udevMonitor, "block", nullptr);
        rc < 0) {
        return fail(-rc);
    }
    if (const int rc = udev_monitor_enable_receiving(m_udevMonitor); rc < 0)
        return fail(-rc);
    m_udevNotifier =
        new QSocketNotifier(udev_monitor_get_fd(m_udevMonitor), QSocketNotifier::Read, this);
    connect(m_udevNotifier, &QSocketNotifier::activated, this, &DeviceChangeWatcher::drainUdev);
}

void DeviceChangeWatcher::drainUdev() {
    // The socket does not block; take every queued event so the notifier goes quiet.
    bool relevant = false;
    while (udev_device* device = udev_monitor_receive_device(m_udevMonitor)) {
        const char* action = udev_device_get_action(device);
        if (action != nullptr &&
            (std::strcmp(action, "add") == 0 || std::strcmp(action, "remove") == 0 ||
             std::strcmp(action, "change") == 0)) {
            relevant = true;
        }
        udev_device_unref(device);
    }
    if (relevant)
        noteChange();
}

}  // namespace marlix
