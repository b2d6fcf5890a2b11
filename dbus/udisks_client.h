// Removable media through UDisks2 on the system bus, the way file managers reach it: the file
// systems it knows, mounting one, and ejecting one (unmount, then power its drive off where it
// can be). Everything is asynchronous: nothing here waits for the bus or the service, so a
// system without UDisks2 (or without a system bus) only ever finds it absent. The header needs
// QtCore alone; QtDBus stays inside this library.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/platform/result.h"

namespace marlix {

// A file system UDisks2 knows, as far as mounting and ejecting a card needs it.
struct UDisksFilesystem {
    QString object;                        // its object path
    std::string device;                    // Block.Device, "/dev/sdb1"
    std::uint64_t deviceNumber = 0;        // Block.DeviceNumber
    std::string label;                     // Block.IdLabel
    std::vector<std::string> mountPoints;  // Filesystem.MountPoints
    QString drive;                         // Block.Drive; "/" for none (a loop device)
    bool ignored = false;                  // Block.HintIgnore: not to be shown to users
};

class UDisksClient : public QObject {
    Q_OBJECT
public:
    enum class Availability { Unknown, Available, Absent };

    explicit UDisksClient(QObject* parent = nullptr);
    ~UDisksClient() override;

    // Connects to the system bus on a thread of its own and asks UDisks2 for its objects;
    // changed() follows when the answer (or its absence) is in, and again whenever UDisks2's
    // objects change or it comes or goes.
    void start();
    Availability availability() const;
    const std::vector<UDisksFilesystem>& filesystems() const;
    const UDisksFilesystem* findByDeviceNumber(std::uint64_t deviceNumber) const;

    // Each action answers once through `done`, never before the call returns, and not at all
    // when the client goes first. Failures carry UDisks2's own reason, with ErrorCode::Busy for
    // a file system in use.
    using Done = std::function<void(Result<std::string>)>;
    // Filesystem.Mount: the mount point.
    void mount(std::uint64_t deviceNumber, Done done);
    // Filesystem.Unmount, then Drive.PowerOff when the drive can be powered off: a note, empty
    // unless the drive stayed on although it could have been powered off (and why).
    void eject(std::uint64_t deviceNumber, Done done);

signals:
    void changed();

private slots:
    // UDisks2 said that its objects changed: they are asked for again, once for a burst.
    void onBusSignal();

private:
    void onConnected(bool connected);
    void refresh();
    void setAbsent();

    class Private;
    std::unique_ptr<Private> d;
};

}  // namespace marlix
