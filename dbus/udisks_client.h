// Removable media through UDisks2 on the system bus, the way file managers reach it: the file
// systems it knows, mounting one, and ejecting one (unmount, then power its drive off where it
// can be). Everything is asynchronous: nothing here waits for the bus or the service, so a
// system without UDisks2 (or without a system bus) only ever finds it absent. Every step has a
// deadline, the connection to the bus included: a bus that does not answer makes UDisks2 absent
// too, and does not keep the program from ending. The header needs QtCore alone; QtDBus stays
// inside this library.
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
    // NotAnswering: the system bus (or UDisks2 on it) gave no answer in time; absent as well.
    enum class Availability { Unknown, Available, Absent, NotAnswering };

    explicit UDisksClient(QObject* parent = nullptr);
    ~UDisksClient() override;

    // Connects to the system bus on a thread of its own and asks UDisks2 for its objects;
    // changed() follows when the answer (or its absence) is in, and again whenever UDisks2's
    // objects change or it comes or goes. A connection that comes after its deadline is still
    // taken up.
    void start();
    Availability availability() const;
    const std::vector<UDisksFilesystem>& filesystems() const;
    const UDisksFilesystem* findByDeviceNumber(std::uint64_t deviceNumber) const;
    // While availability() is NotAnswering: "the system bus does not answer (no connection within
    // 5 s)", and the like.
    std::string notAnswering() const;

    // Each action answers once through `done`, never before the call returns, and not at all
    // when the client goes first. Failures carry UDisks2's own reason, with ErrorCode::Busy for
    // a file system in use, and with ErrorCode::NotAnswering when no answer came in time (the
    // client then takes UDisks2 for absent until it answers again).
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
    void setAbsent(Availability why = Availability::Absent);
    // `what` did not come in time ("no connection within 5 s"): UDisks2 counts as absent.
    void setNotAnswering(const QString& what);
    // An action's reply did not come in time: its failure.
    Status actionNotAnswered(const QString& method);

    class Private;
    std::unique_ptr<Private> d;
};

}  // namespace marlix
