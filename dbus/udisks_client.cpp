#include "dbus/udisks_client.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
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

// A bus daemon answers a connection at once, and a running UDisks2 its list of objects; the list
// has more time, for the bus to start UDisks2 on demand.
constexpr int kConnectDeadline = 5000;
constexpr int kListDeadline = 10000;
// Mount and Unmount may wait for the user to type a password for the authorisation, and Unmount
// for a slow card to take the data written to it: two minutes leave room for both (a card taking
// a few megabytes a second takes some hundred in that time, far more than a camera's settings)
// and still end the wait for a bus that will never answer. PowerOff may wait for a password too.
constexpr int kActionDeadline = 120000;
// The D-Bus library's own timeout comes later, so that a missing answer always ends as ours.
constexpr int kLibraryGrace = 1000;
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

// Connections to the bus under way. Qt makes them on its D-Bus thread, and Qt's clean-up at exit
// waits for that thread to end: a connection that the bus daemon never answers would keep the
// program from ending, long after its window is gone or its command has failed.
std::atomic<int> g_connecting{0};

// Run by exit(), before Qt's clean-up: while a connection is under way, the program ends here with
// its status, its output written out, and without the clean-up that would wait for ever.
void endUnlessConnecting(int status, void*) {
    if (g_connecting.load() == 0)
        return;
    std::fflush(nullptr);
    std::_Exit(status);
}

void guardExit() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Brings Qt's D-Bus into being first: exit() runs what was registered last first, so the
        // handler comes before Qt's clean-up.
        const QDBusConnection none(QStringLiteral("marlix_exit_guard"));
        (void)none;
        ::on_exit(endUnlessConnecting, nullptr);
    });
}

// "no reply from UDisks2 to Mount within 120 s"
QString noAnswer(const QString& what, int deadline) {
    return QStringLiteral("no %1 within %2 s").arg(what).arg(deadline / 1000);
}

// Sends the call; `then` gets the reply or the error, on this thread, or nothing (std::nullopt)
// when neither came within `deadline` milliseconds; `then` is not called when `owner` goes first.
template <class Then>
void callWithDeadline(QObject* owner, const QDBusMessage& call, int deadline, Then then) {
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::systemBus().asyncCall(call, deadline + kLibraryGrace), owner);
    auto* timer = new QTimer(watcher);
    timer->setSingleShot(true);
    auto answer = std::make_shared<Then>(std::move(then));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [timer, answer](QDBusPendingCallWatcher* w) {
                         timer->stop();
                         w->deleteLater();
                         (*answer)(std::optional<QDBusMessage>(w->reply()));
                     });
    QObject::connect(timer, &QTimer::timeout, owner, [watcher, answer] {
        // A reply that comes later finds no one.
        watcher->disconnect();
        watcher->deleteLater();
        (*answer)(std::nullopt);
    });
    timer->start(deadline);
}

}  // namespace

class UDisksClient::Private {
public:
    Availability availability = Availability::Unknown;
    std::vector<UDisksFilesystem> filesystems;
    std::map<QString, bool> canPowerOff;  // by drive object
    std::shared_ptr<ConnectGate> gate = std::make_shared<ConnectGate>();
    std::string notAnswering;  // why, while availability is NotAnswering
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
    // Connecting waits for the bus daemon's answer, which a stuck daemon never gives: the thread
    // that waits is never waited for.
    guardExit();
    g_connecting.fetch_add(1);
    std::thread([gate = d->gate] {
        const bool connected = QDBusConnection::systemBus().isConnected();
        g_connecting.fetch_sub(1);
        const std::lock_guard lock(gate->mutex);
        if (gate->client != nullptr) {
            QMetaObject::invokeMethod(
                gate->client,
                [client = gate->client, connected] { client->onConnected(connected); },
                Qt::QueuedConnection);
        }
    }).detach();
    QTimer::singleShot(kConnectDeadline, this, [this] {
        if (!d->connected && d->availability == Availability::Unknown)
            setNotAnswering(noAnswer(QStringLiteral("connection"), kConnectDeadline));
    });
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
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] { setAbsent(); });
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

void UDisksClient::setAbsent(Availability why) {
    d->availability = why;
    d->filesystems.clear();
    d->canPowerOff.clear();
    emit changed();
}

void UDisksClient::setNotAnswering(const QString& what) {
    d->notAnswering = "the system bus does not answer (" + what.toStdString() + ")";
    setAbsent(Availability::NotAnswering);
}

Status UDisksClient::actionNotAnswered(const QString& method) {
    setNotAnswering(noAnswer("reply from UDisks2 to " + method, kActionDeadline));
    const Status failure = Status::failure(d->notAnswering, ErrorCode::NotAnswering);
    // Asked again: a list that comes brings UDisks2 back (the user may just have been slow to
    // give a password), and one that does not leaves it absent.
    refresh();
    return failure;
}

void UDisksClient::refresh() {
    if (d->refreshing) {
        d->refreshAgain = true;
        return;
    }
    d->refreshing = true;
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kObjectManager,
                                                             QStringLiteral("GetManagedObjects"));
    callWithDeadline(this, call, kListDeadline, [this](std::optional<QDBusMessage> answer) {
        d->refreshing = false;
        const QDBusMessage reply = answer.value_or(QDBusMessage());
        if (!answer) {
            setNotAnswering(
                noAnswer(QStringLiteral("list of devices from UDisks2"), kListDeadline));
        } else if (reply.type() != QDBusMessage::ReplyMessage) {
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

std::string UDisksClient::notAnswering() const {
    return d->availability == Availability::NotAnswering ? d->notAnswering : std::string();
}

const UDisksFilesystem* UDisksClient::findByDeviceNumber(std::uint64_t deviceNumber) const {
    for (const UDisksFilesystem& fs : d->filesystems) {
        if (fs.deviceNumber == deviceNumber)
            return &fs;
    }
    return nullptr;
}

namespace {

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
    const QString method = QStringLiteral("Mount");
    callWithDeadline(this, actionCall(fs->object, kFilesystem, method), kActionDeadline,
                     [this, method, done = std::move(done)](std::optional<QDBusMessage> reply) {
                         if (!reply)
                             return done(actionNotAnswered(method));
                         if (reply->type() != QDBusMessage::ReplyMessage)
                             return done(failureOf(QDBusError(*reply)));
                         done(reply->arguments().value(0).toString().toStdString());
                     });
}

void UDisksClient::eject(std::uint64_t deviceNumber, Done done) {
    const UDisksFilesystem* fs = findByDeviceNumber(deviceNumber);
    if (fs == nullptr) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(unknownDevice()); });
        return;
    }
    const QString drive = fs->drive;
    const QString unmount = QStringLiteral("Unmount");
    callWithDeadline(
        this, actionCall(fs->object, kFilesystem, unmount), kActionDeadline,
        [this, unmount, drive, done = std::move(done)](std::optional<QDBusMessage> reply) {
            if (!reply)
                return done(actionNotAnswered(unmount));
            if (reply->type() != QDBusMessage::ReplyMessage)
                return done(failureOf(QDBusError(*reply)));
            // A card reader or a loop device stays on: unmounted is all there is to do.
            const auto known = d->canPowerOff.find(drive);
            if (known == d->canPowerOff.end() || !known->second)
                return done(std::string());
            const QString powerOff = QStringLiteral("PowerOff");
            callWithDeadline(this, actionCall(drive, kDrive, powerOff), kActionDeadline,
                             [this, powerOff, done](std::optional<QDBusMessage> off) {
                                 // Unmounted, the card can be taken out all the same.
                                 std::string why;
                                 if (!off)
                                     why = actionNotAnswered(powerOff).message();
                                 else if (off->type() != QDBusMessage::ReplyMessage)
                                     why = failureOf(QDBusError(*off)).message();
                                 done(why.empty() ? why : "the drive was not powered off: " + why);
                             });
        });
}

}  // namespace marlix
