// A command line program has no event loop of its own: each request runs one until the
// client's answer is in.
#include "dbus/udisks_cli.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <optional>

#include "dbus/udisks_client.h"

namespace marlix {

namespace {

// D-Bus delivers its answers through the event loop of an application object. It lives until
// the program ends, after Qt's own globals are gone, so it is never destroyed.
void ensureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "marlix-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* application = new QCoreApplication(argc, argv);
    (void)application;
}

// A client whose first answer is in; why there is none when UDisks2 is absent. Its answer has a
// deadline, the connection to the bus included.
Result<std::unique_ptr<UDisksClient>> startedClient() {
    ensureApplication();
    auto client = std::make_unique<UDisksClient>();
    QEventLoop loop;
    QObject::connect(client.get(), &UDisksClient::changed, &loop, &QEventLoop::quit);
    client->start();
    loop.exec();
    const std::string cannot = ", so cards cannot be mounted or ejected here";
    switch (client->availability()) {
        case UDisksClient::Availability::Available:
            return client;
        case UDisksClient::Availability::NotAnswering:
            return Status::failure(client->notAnswering() + cannot, ErrorCode::NotAnswering);
        default:
            return Status::failure(
                "UDisks2 does not answer on the system bus (org.freedesktop.UDisks2)" + cannot,
                ErrorCode::Unsupported);
    }
}

template <class Action>
Result<std::string> runAction(Action action) {
    auto client = startedClient();
    if (!client)
        return client.status();
    std::optional<Result<std::string>> answer;
    QEventLoop loop;
    action(**client, [&](Result<std::string> result) {
        answer = std::move(result);
        loop.quit();
    });
    loop.exec();
    return std::move(*answer);
}

}  // namespace

Result<std::vector<UnmountedCard>> UnmountedCardsThroughUDisks(
    const std::function<bool(std::uint64_t)>& isCard) {
    auto client = startedClient();
    if (!client)
        return client.status();
    std::vector<UnmountedCard> cards;
    for (const UDisksFilesystem& fs : (*client)->filesystems()) {
        if (fs.mountPoints.empty() && !fs.ignored && isCard(fs.deviceNumber))
            cards.push_back(UnmountedCard{fs.device, fs.label, fs.deviceNumber});
    }
    return cards;
}

Result<std::string> MountThroughUDisks(std::uint64_t blockDevice) {
    return runAction([&](UDisksClient& client, UDisksClient::Done done) {
        client.mount(blockDevice, std::move(done));
    });
}

Result<std::string> EjectThroughUDisks(std::uint64_t blockDevice) {
    return runAction([&](UDisksClient& client, UDisksClient::Done done) {
        client.eject(blockDevice, std::move(done));
    });
}

}  // namespace marlix
