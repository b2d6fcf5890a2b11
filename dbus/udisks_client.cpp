#include "dbus/udisks_client.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <map>
#include <mutex>
#include <thread>

namespace marlix {

namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kManagerPath = QStringLiteral("/org/freedesktop/UDisks2");
const QString kObjectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString kDrive = QStringLiteral("org.freedesktop.UDisks2.Drive");

// The list comes at once from a running service; an action may wait for the user to authorise
// it, or for a slow card to be written back.
constexpr int kListTimeout = 10000;
constexpr int kActionTimeout = 120000;
// Signals come in bursts (one per interface and property); the objects are asked for once.
constexpr int kRefreshDelay = 100;

// UDisks2's byte strings end in a NUL.
std::string textOf(const QByteArray& bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    return (nul < 0 ? bytes : bytes.left(nul)).toStdString();
}

std::vector<std::string> byteStrings(const QVariant& value) {
    std::vector<std::string> out;
    if (!value.canConvert<QDBusArgument>())
        return out;
    const QDBusArgument argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        QByteArray bytes;
        argument >> bytes;
        out.push_back(textOf(bytes));
    }
    argument.endArray();
    return out;
}

using Interfaces = std::map<QString, QVariantMap>;

// GetManagedObjects' answer, a{oa{sa{sv}}}.
std::map<QString, Interfaces> managedObjects(const QDBusMessage& reply) {
    std::map<QString, Interfaces> objects;
    if (reply.arguments().isEmpty() || !reply.arguments().front().canConvert<QDBusArgument>())
        return objects;
    const QDBusArgument argument = reply.arguments().front().value<QDBusArgument>();
    argument.beginMap();
    while (!argument.atEnd()) {
        QDBusObjectPath path;
        Interfaces interfaces;
        argument.beginMapEntry();
        argument >> path;
        argument.beginMap();
        while (!argument.atEnd()) {
            QString name;
            QVariantMap properties;
            argument.beginMapEntry();
            argument >> name >> properties;
            argument.endMapEntry();
            interfaces.emplace(name, properties);
        }
        argument.endMap();
        argument.endMapEntry();
        objects.emplace(path.path(), std::move(interfaces));
    }
    argument.endMap();
    return objects;
}

Status failureOf(const QDBusError& error) {
    const QString name = error.name();
    const ErrorCode code = name == QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy")
                               ? ErrorCode::Busy
                               : ErrorCode::Io;
    QString message = error.message().trimmed();
    if (message.isEmpty())
        message = name;
    return Status::failure(message.toStdString(), code);
}

QDBusMessage actionCall(const QString& object, const QString& interface, const QString& method) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, object, interface, method);
    call << QVariantMap();  // no options: UDisks2 picks the mount point and options itself
    // The user's authentication agent may ask for a password on the way.
    call.setInteractiveAuthorizationAllowed(true);
    return call;
}

// Lets the thread that connects to the bus hand its answer to a client that may be gone.
struct ConnectGate {
    std::mutex mutex;
    UDisksClient* client = nullptr;
};

}  // namespace

class UDisksClient::Private {
public:
    Availability availability = Availability::Unknown;
    std::vector<UDisksFilesystem> filesystems;
    std::map<QString, bool> canPowerOff;  // by drive object
    std::shared_ptr<ConnectGate> gate = std::make_shared<ConnectGate>();
    QTimer refreshTimer;
    bool connected = false;
    bool refreshing = false;
    bool refreshAgain = false;
};

UDisksClient::UDisksClient(QObject* parent) : QObject(parent), d(std::make_unique<Private>()) {
    d->gate->client = this;
    d->refreshTimer.setSingleShot(true);
    d->refreshTimer.setInterval(kRefreshDelay);
    connect(&d->refreshTimer, &QTimer::timeout, this, &UDisksClient::refresh);
}

UDisksClient::~UDisksClient() {
    const std::lock_guard lock(d->gate->mutex);
    d->gate->client = nullptr;
}

void UDisksClient::start() {
    // Connecting waits for the bus daemon's answer, which a stuck daemon never gives.
    std::thread([gate = d->gate] {
        const bool connected = QDBusConnection::systemBus().isConnected();
        const std::lock_guard lock(gate->mutex);
        if (gate->client != nullptr) {
            QMetaObject::invokeMethod(
                gate->client,
                [client = gate->client, connected] { client->onConnected(connected); },
                Qt::QueuedConnection);
        }
    }).detach();
}

void UDisksClient::onConnected(bool connected) {
    if (!connected) {
        setAbsent();
        return;
    }
    d->connected = true;
    // The connection is made: from here on the calls return at once.
    QDBusConnection bus = QDBusConnection::systemBus();
    auto* watcher = new QDBusServiceWatcher(
        kService, bus,
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
        this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &UDisksClient::onBusSignal);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, &UDisksClient::setAbsent);
    bus.connect(kService, kManagerPath, kObjectManager, QStringLiteral("InterfacesAdded"), this,
                SLOT(onBusSignal()));
    bus.connect(kService, kManagerPath, kObjectManager, QStringLiteral("InterfacesRemoved"), this,
                SLOT(onBusSignal()));
    // Any object's: a mount or an unmount changes a file system's MountPoints.
    bus.connect(kService, QString(), kProperties, QStringLiteral("PropertiesChanged"), this,
                SLOT(onBusSignal()));
    refresh();
}

void UDisksClient::onBusSignal() {
    if (d->connected)
        d->refreshTimer.start();
}

void UDisksClient::setAbsent() {
    d->availability = Availability::Absent;
    d->filesystems.clear();
    d->canPowerOff.clear();
    emit changed();
}

void UDisksClient::refresh() {
    if (d->refreshing) {
        d->refreshAgain = true;
        return;
    }
    d->refreshing = true;
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kObjectManager,
                                                             QStringLiteral("GetManagedObjects"));
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::systemBus().asyncCall(call, kListTimeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        d->refreshing = false;
        const QDBusMessage reply = w->reply();
        if (reply.type() != QDBusMessage::ReplyMessage) {
            setAbsent();
        } else {
            std::vector<UDisksFilesystem> filesystems;
            std::map<QString, bool> canPowerOff;
            for (const auto& [path, interfaces] : managedObjects(reply)) {
                if (const auto drive = interfaces.find(kDrive); drive != interfaces.end())
                    canPowerOff[path] = drive->second.value(QStringLiteral("CanPowerOff")).toBool();
                const auto block = interfaces.find(kBlock);
                const auto filesystem = interfaces.find(kFilesystem);
                if (block == interfaces.end() || filesystem == interfaces.end())
                    continue;
                const QVariantMap& b = block->second;
                UDisksFilesystem fs;
                fs.object = path;
                fs.device = textOf(b.value(QStringLiteral("Device")).toByteArray());
                fs.deviceNumber = b.value(QStringLiteral("DeviceNumber")).toULongLong();
                fs.label = b.value(QStringLiteral("IdLabel")).toString().toStdString();
                fs.drive = b.value(QStringLiteral("Drive")).value<QDBusObjectPath>().path();
                fs.ignored = b.value(QStringLiteral("HintIgnore")).toBool();
                fs.mountPoints =
                    byteStrings(filesystem->second.value(QStringLiteral("MountPoints")));
                filesystems.push_back(std::move(fs));
            }
            d->filesystems = std::move(filesystems);
            d->canPowerOff = std::move(canPowerOff);
            d->availability = Availability::Available;
            emit changed();
        }
        if (d->refreshAgain) {
            d->refreshAgain = false;
            refresh();
        }
    });
}

UDisksClient::Availability UDisksClient::availability() const {
    return d->availability;
}

const std::vector<UDisksFilesystem>& UDisksClient::filesystems() const {
    return d->filesystems;
}

const UDisksFilesystem* UDisksClient::findByDeviceNumber(std::uint64_t deviceNumber) const {
    for (const UDisksFilesystem& fs : d->filesystems) {
        if (fs.deviceNumber == deviceNumber)
            return &fs;
    }
    return nullptr;
}

namespace {

// Sends the call; `then` gets the reply or the error, on this thread, unless `owner` goes first.
template <class Then>
void callAsync(QObject* owner, const QDBusMessage& call, Then then) {
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::systemBus().asyncCall(call, kActionTimeout), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [then = std::move(then)](QDBusPendingCallWatcher* w) {
                         w->deleteLater();
                         then(w->reply());
                     });
}

Status unknownDevice() {
    return Status::failure("UDisks2 knows no file system on that device", ErrorCode::NotFound);
}

}  // namespace

void UDisksClient::mount(std::uint64_t deviceNumber, Done done) {
    const UDisksFilesystem* fs = findByDeviceNumber(deviceNumber);
    if (fs == nullptr || !fs->mountPoints.empty()) {
        // Mounted already: where it is, as a mount would have said.
        Result<std::string> answer = fs ? Result<std::string>(fs->mountPoints.front())
                                        : Result<std::string>(unknownDevice());
        QTimer::singleShot(0, this, [answer, done = std::move(done)] { done(answer); });
        return;
    }
    callAsync(this, actionCall(fs->object, kFilesystem, QStringLiteral("Mount")),
              [done = std::move(done)](const QDBusMessage& reply) {
                  if (reply.type() != QDBusMessage::ReplyMessage)
                      return done(failureOf(QDBusError(reply)));
                  done(reply.arguments().value(0).toString().toStdString());
              });
}

void UDisksClient::eject(std::uint64_t deviceNumber, Done done) {
    const UDisksFilesystem* fs = findByDeviceNumber(deviceNumber);
    if (fs == nullptr) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(unknownDevice()); });
        return;
    }
    const QString drive = fs->drive;
    callAsync(this, actionCall(fs->object, kFilesystem, QStringLiteral("Unmount")),
              [this, drive, done = std::move(done)](const QDBusMessage& reply) {
                  if (reply.type() != QDBusMessage::ReplyMessage)
                      return done(failureOf(QDBusError(reply)));
                  // A card reader or a loop device stays on: unmounted is all there is to do.
                  const auto known = d->canPowerOff.find(drive);
                  if (known == d->canPowerOff.end() || !known->second)
                      return done(std::string());
                  callAsync(this, actionCall(drive, kDrive, QStringLiteral("PowerOff")),
                            [done](const QDBusMessage& off) {
                                if (off.type() == QDBusMessage::ReplyMessage)
                                    return done(std::string());
                                done("the drive was not powered off: " +
                                     failureOf(QDBusError(off)).message());
                            });
              });
}

}  // namespace marlix
