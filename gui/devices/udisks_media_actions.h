// Mount and eject on Linux: UDisks2 on the system bus, through marlix_dbus's client.
#pragma once

#include "gui/devices/media_actions.h"

namespace marlix {

class UDisksClient;

class UDisksMediaActions final : public MediaActions {
    Q_OBJECT

public:
    explicit UDisksMediaActions(QObject* parent = nullptr);
    ~UDisksMediaActions() override;

    void Start() override;
    bool CanMount() const override;
    bool CanEject() const override;
    std::vector<UnmountedCard> Unmounted() const override;
    void Mount(const UnmountedCard& card, Done done) override;
    void Eject(const DriveInfo& drive, Done done) override;

private:
    UDisksClient* m_client;
};

}  // namespace marlix
