// The device list: the removable drives the system lists, scanned at start and whenever drives
// may have changed, asked away from this thread for what only they can tell (size, label,
// version.txt, camera.conf), and the row the user chose for Set.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/devices/device_list.h"
#include "core/platform/volumes/volume_source.h"

class QWidget;

namespace marlix {

class DeviceChangeSource;
class ReportViewWidget;

class DriveList : public QObject {
    Q_OBJECT
public:
    explicit DriveList(std::shared_ptr<VolumeSource> volumes);
    ~DriveList() override;

    // Sets up the view's columns; the first scan comes on the event loop's first turn, before
    // any click or key and before the first picture.
    void attach(ReportViewWidget* view);
    // Listens for the system's news of drives coming and going, from now on: before the first
    // scan, so that a card that arrives in between is not missed.
    void watch(QWidget& window);

    // A device-change event (a system's code): rescans when drives may have changed.
    void deviceChange(unsigned eventCode);
    void scan();
    // Whether the first scan is still to come, or drives are being asked right now.
    bool probing() const { return m_firstScanPending || m_probeThread.joinable(); }
    // The drive asked once more (after Set wrote onto it, or for what its card holds right now);
    // whenBack runs once its answer, or the deadline's verdict, is in the list.
    void probeAgain(const DriveInfo& drive, std::function<void()> whenBack = {});

    const DeviceList& state() const { return m_state; }
    DeviceList& state() { return m_state; }
    VolumeSource& volumes() { return *m_volumes; }
    // The root Set writes to: the chosen card's, or empty.
    const std::string& targetRoot() const { return m_targetRoot; }
    // Chooses the card's row, as a click would but without the news of a click; false when no
    // row of the card can be chosen.
    bool chooseRoot(const std::string& root);
    // The cards the system knows but has not mounted, as rows after the drives.
    void applyUnmounted(std::vector<UnmountedCard> cards);
    // The row whose card Set writes onto shows it; empty for none.
    void setWritingRoot(const std::string& root);
    // Brings the view up to date with the state.
    void fill();

signals:
    // A scan is done: what keeps the list from following the cards (empty when nothing does).
    void scanned(const QString& problems);
    // The view shows the state anew.
    void filled();
    // The user chose a card.
    void targetChosen();

private:
    // `again`: drives of the current listing asked once more, not a new listing.
    void probeInBackground(std::vector<DriveInfo> drives, bool again = false,
                           std::function<void()> whenBack = {});
    void onProbed(const std::vector<ProbedDrive>& probed);
    void onRowChosen(int row);
    // What a row's space column shows: its figures, or its state in the window's language.
    std::string spaceShown(const DeviceRow& row) const;

    std::shared_ptr<VolumeSource> m_volumes;
    DeviceList m_state;
    std::string m_targetRoot;
    std::string m_writingRoot;
    ReportViewWidget* m_view = nullptr;
    std::unique_ptr<DeviceChangeSource> m_changes;
    std::thread m_probeThread;
    // Drives listed while a probe was out; probed when it is back.
    std::optional<std::vector<DriveInfo>> m_probeNext;
    // What waits for the probe under way, and for the one after it.
    std::vector<std::function<void()>> m_whenProbed;
    std::vector<std::function<void()>> m_whenNextProbed;
    bool m_filling = false;  // the view's news comes from our own fill
    bool m_firstScanPending = false;
};

}  // namespace marlix
