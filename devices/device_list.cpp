#include "devices/device_list.h"

#include <utility>

namespace marlix {

void DeviceList::Apply(std::vector<DeviceRow> rows) {
    m_rows = std::move(rows);
    m_selectedRow = -1;
    if (!m_chosenRoot.empty()) {
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            if (m_rows[i].root == m_chosenRoot) {
                m_selectedRow = static_cast<int>(i);
                break;
            }
        }
        if (m_selectedRow < 0)
            m_chosenRoot.clear();
    }
    if (m_selectedRow < 0 && !m_rows.empty())
        m_selectedRow = 0;
    m_targetRoot = m_selectedRow < 0 ? std::string() : m_rows[m_selectedRow].root;
}

Status DeviceList::Rescan(VolumeSource& source) {
    auto drives = source.ListRemovableDrives();
    if (!drives)
        return drives.status();
    Apply(DescribeDrives(*drives));
    return Status::success();
}

bool DeviceList::Choose(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size())
        return false;
    m_selectedRow = row;
    m_targetRoot = m_rows[row].root;
    m_chosenRoot = m_targetRoot;
    return true;
}

std::vector<std::string> DeviceList::roots() const {
    std::vector<std::string> out;
    out.reserve(m_rows.size());
    for (const DeviceRow& row : m_rows) out.push_back(row.root);
    return out;
}

}  // namespace marlix
