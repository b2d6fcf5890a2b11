#include "gui/devices/udisks_media_actions.h"

#include "dbus/udisks_client.h"

namespace marlix {

UDisksMediaActions::UDisksMediaActions(QObject* parent)
    : MediaActions(parent), m_client(new UDisksClient(this)) {
    connect(m_client, &UDisksClient::changed, this, &MediaActions::changed);
}

UDisksMediaActions::~UDisksMediaActions() = default;

void UDisksMediaActions::Start() {
    m_client->start();
}

bool UDisksMediaActions::CanMount() const {
    return m_client->availability() == UDisksClient::Availability::Available;
}

bool UDisksMediaActions::CanEject() const {
    return CanMount();
}

std::vector<UnmountedCard> UDisksMediaActions::Unmounted() const {
    std::vector<UnmountedCard> cards;
    for (const UDisksFilesystem& fs : m_client->filesystems()) {
        if (fs.mountPoints.empty() && !fs.ignored)
            cards.push_back(UnmountedCard{fs.device, fs.label, fs.deviceNumber});
    }
    return cards;
}

void UDisksMediaActions::Mount(const UnmountedCard& card, Done done) {
    m_client->mount(card.blockDevice, std::move(done));
}

void UDisksMediaActions::Eject(const DriveInfo& drive, Done done) {
    m_client->eject(drive.listing.blockDevice, std::move(done));
}

}  // namespace marlix
