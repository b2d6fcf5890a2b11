#include "core/devices/device_list.h"

#include <algorithm>
#include <utility>

namespace marlix {

void DeviceList::Apply(std::vector<DeviceRow> rows) {
    m_rows = std::move(rows);
    m_mountedRows = m_rows.size();
    for (const UnmountedCard& card : m_unmounted) {
        const bool mounted =
            std::any_of(m_rows.begin(), m_rows.begin() + static_cast<std::ptrdiff_t>(m_mountedRows),
                        [&](const DeviceRow& row) {
                            return row.drive.listing.blockDevice == card.blockDevice;
                        });
        if (!mounted)
            m_rows.push_back(DescribeUnmountedCard(card));
    }
    m_selectedRow = -1;
    if (!m_chosenRoot.empty()) {
        for (std::size_t i = 0; i < m_mountedRows; ++i) {
            if (m_rows[i].root == m_chosenRoot) {
                m_selectedRow = static_cast<int>(i);
                break;
            }
        }
        if (m_selectedRow < 0)
            m_chosenRoot.clear();
    }
    if (m_selectedRow < 0 && m_mountedRows > 0)
        m_selectedRow = 0;
    m_targetRoot = m_selectedRow < 0 ? std::string() : m_rows[m_selectedRow].root;
}

namespace {

// The same drive as listed before: same place, same device mounted there.
bool sameListing(const DriveInfo& a, const DriveInfo& b) {
    return a.root == b.root && a.listing == b.listing;
}

}  // namespace

void DeviceList::ApplyUnmounted(std::vector<UnmountedCard> cards) {
    m_unmounted = std::move(cards);
    m_rows.resize(m_mountedRows);
    Apply(std::move(m_rows));
}

void DeviceList::NoteWritten(const std::string& root, std::string bytes) {
    for (std::size_t i = 0; i < m_mountedRows; ++i) {
        if (m_rows[i].root == root && m_rows[i].state == DriveState::Answered)
            m_rows[i].conf = CardConf{CardConfKind::Read, bytes};
    }
}

void DeviceList::NoteNotAnswering(const std::string& root) {
    for (std::size_t i = 0; i < m_mountedRows; ++i) {
        if (m_rows[i].root == root)
            m_rows[i] = DescribeProbedDrive(ProbedDrive{m_rows[i].drive, {}, false});
    }
}

void DeviceList::ApplyListing(const std::vector<DriveInfo>& drives) {
    std::vector<DeviceRow> rows;
    rows.reserve(drives.size());
    for (const DriveInfo& drive : drives) {
        const auto shown = std::find_if(m_rows.begin(), m_rows.end(), [&](const DeviceRow& row) {
            return row.state != DriveState::Probing && sameListing(row.drive, drive);
        });
        rows.push_back(shown != m_rows.end() ? *shown : DescribeListedDrive(drive));
    }
    Apply(std::move(rows));
}

void DeviceList::ApplyProbes(const std::vector<ProbedDrive>& probed) {
    for (const ProbedDrive& drive : probed) {
        for (DeviceRow& row : m_rows) {
            if (sameListing(row.drive, drive.drive))
                row = DescribeProbedDrive(drive);
        }
    }
}

Status DeviceList::Rescan(const std::shared_ptr<VolumeSource>& source,
                          std::chrono::milliseconds deadline) {
    auto drives = source->ListRemovableDrives();
    if (!drives)
        return drives.status();
    Apply(DescribeDrives(ProbeDrives(source, std::move(*drives), deadline)));
    return Status::success();
}

const DeviceRow* DeviceList::targetRow() const {
    return m_selectedRow < 0 ? nullptr : &m_rows[static_cast<std::size_t>(m_selectedRow)];
}

bool DeviceList::Choose(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_mountedRows)
        return false;
    m_selectedRow = row;
    m_targetRoot = m_rows[row].root;
    m_chosenRoot = m_targetRoot;
    return true;
}

std::vector<std::string> DeviceList::roots() const {
    std::vector<std::string> out;
    out.reserve(m_mountedRows);
    for (std::size_t i = 0; i < m_mountedRows; ++i) out.push_back(m_rows[i].root);
    return out;
}

}  // namespace marlix
