// The device list of the main window: its columns, the scan, the drives probed in the background
// and the rows they give.
#include <QLabel>
#include <QScrollBar>
#include <QTableWidgetItem>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <future>

#include "core/devices/device_events.h"
#include "core/devices/device_rows.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_text.h"
#include "gui/devices/device_change_source.h"
#include "gui/resources/resource_ids.h"
#include "gui/resources/resources.h"

namespace marlix {

namespace {

constexpr std::string_view kWritingText = "Writing...";

// One of a row's texts in its cell: on one line, and whole in the tooltip. A tooltip that looks
// like markup is taken for markup, and a card's version.txt must never be.
void ShowCellText(ReportViewWidget& list, int row, int column, const std::string& text) {
    const CellText cell = MakeCellText(text);
    if (QTableWidgetItem* item = list.cell(row, column)) {
        item->setText(Q(cell.display));
        const QString tooltip = Q(cell.tooltip);
        item->setToolTip(Qt::mightBeRichText(tooltip) ? Qt::convertFromPlainText(tooltip)
                                                      : tooltip);
    }
}

}  // namespace

void MainWindow::InitDeviceList() {
    m_deviceList->setRowIcon(IconResource(kIdiDeviceIcon), QSize(32, 32));
    m_deviceList->setTextElideMode(Qt::ElideMiddle);

    // Roots here are mount points rather than drive letters, so the first column is wider than
    // a drive letter needs; the last column takes the rest of the list's width, less the vertical
    // scroll bar that a third card brings, so that the columns never need a horizontal one.
    // The columns fill the list inside its border, so that they need no horizontal scroll bar.
    const int clientWidth = m_deviceList->contentsRect().width();
    const int scrollBar = m_deviceList->verticalScrollBar()->sizeHint().width();
    constexpr int kDeviceWidth = 150, kLabelWidth = 100, kDescriptionWidth = 200;
    m_deviceList->addColumn("Device", kDeviceWidth);
    m_deviceList->addColumn("Label", kLabelWidth);
    m_deviceList->addColumn("Description", kDescriptionWidth);
    m_deviceList->addColumn(
        "Version", clientWidth - kDeviceWidth - kLabelWidth - kDescriptionWidth - scrollBar);

    // A one-line note for what "Set" did, between the device list and the tab control.
    m_status = new QLabel(this);
    m_status->setObjectName("statusNote");
    m_status->setGeometry(toPixels(DlgRect{8, 84, 370, 10}));
    m_status->setTextFormat(Qt::PlainText);

    // The first scan asks the system for its drives once the window is on its way to the screen:
    // on the event loop's first turn, before any click or key and before the first picture.
    m_firstScanPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_firstScanPending)
            ScanRemovableDrives();
    });
}

void MainWindow::ScanRemovableDrives() {
    m_firstScanPending = false;
    auto listed = m_options.volumes->ListRemovableDrives();
    // A note about an earlier write or failed scan no longer describes the list; what keeps the
    // list from following the cards still does.
    QStringList note;
    if (!listed)
        note << Q(listed.message());
    if (m_deviceChanges)
        note << m_deviceChanges->problems();
    // The outcome of a mount or an eject still holds after the rescan that follows from it.
    if (!note.isEmpty() || !m_noteLasts)
        SetStatus(note.join(' '));
    if (!listed)
        return;
    m_deviceState.ApplyListing(*listed);
    m_drives = m_deviceState.roots();
    m_targetRoot = m_deviceState.targetRoot();
    FillDeviceList();
    ProbeDrivesInBackground(std::move(*listed));
}

void MainWindow::ProbeDrivesInBackground(std::vector<DriveInfo> drives, bool again) {
    if (drives.empty())
        return;
    if (m_probeThread.joinable()) {
        // A later listing replaces an earlier one; drives asked for again (after Set) join it.
        if (!again || !m_probeNext) {
            m_probeNext = std::move(drives);
            return;
        }
        for (DriveInfo& drive : drives) {
            if (std::none_of(m_probeNext->begin(), m_probeNext->end(),
                             [&](const DriveInfo& d) { return d.root == drive.root; }))
                m_probeNext->push_back(std::move(drive));
        }
        return;
    }
    // The probes fork while this thread waits for them to be under way (a few milliseconds):
    // a child must not start with a lock that this thread held at the moment of the fork, such
    // as an allocator's that has no fork handling (the sanitizers' has none).
    auto underWay = std::make_shared<std::promise<void>>();
    std::future<void> started = underWay->get_future();
    m_probeThread =
        std::thread([this, source = m_options.volumes, drives = std::move(drives), underWay] {
            std::vector<ProbedDrive> probed =
                ProbeDrives(source, drives, kDriveProbeDeadline, [&] { underWay->set_value(); });
            QMetaObject::invokeMethod(
                this, [this, probed = std::move(probed)] { OnDrivesProbed(probed); },
                Qt::QueuedConnection);
        });
    started.wait();
}

void MainWindow::OnDrivesProbed(const std::vector<ProbedDrive>& probed) {
    m_probeThread.join();
    m_deviceState.ApplyProbes(probed);
    FillDeviceList();
    if (m_probeNext) {
        std::vector<DriveInfo> next = std::move(*m_probeNext);
        m_probeNext.reset();
        ProbeDrivesInBackground(std::move(next));
    }
}

int MainWindow::FillDeviceList() {
    m_filling = true;
    const auto& rows = m_deviceState.rows();
    // The same drives as shown: only their texts change, so the user's pointer and focus stay.
    bool sameRows = m_deviceList->rowCount() == static_cast<int>(rows.size());
    for (int i = 0; sameRows && i < static_cast<int>(rows.size()); ++i)
        sameRows = m_deviceList->cellText(i, 0) == Q(MakeCellText(rows[i].root).display);
    if (!sameRows) {
        m_deviceList->clearRows();
        m_deviceList->setRowCount(static_cast<int>(rows.size()));
        // Mount points can be longer than the column: keep both ends and show the whole on
        // hover.
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            ShowCellText(*m_deviceList, i, 0, rows[i].root);
    }
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        ShowCellText(*m_deviceList, i, 1, rows[i].label);
        const bool writing = !m_writingRoot.empty() && rows[i].root == m_writingRoot;
        ShowCellText(*m_deviceList, i, 2, writing ? std::string(kWritingText) : rows[i].space);
        ShowCellText(*m_deviceList, i, 3, rows[i].version);
    }
    if (!sameRows && m_deviceState.selectedRow() >= 0)
        m_deviceList->chooseRow(m_deviceState.selectedRow());
    ShowCardRows();
    m_filling = false;
    return rows.empty() ? -1 : 0;
}

void MainWindow::OnDeviceRowChosen(int row) {
    if (m_filling || row < 0)
        return;
    if (m_deviceState.Choose(row)) {
        m_targetRoot = m_deviceState.targetRoot();
        UpdateCardNote();
    }
}

bool MainWindow::OnDeviceChange(unsigned eventCode, void*) {
    if (ShouldRescanDrives(eventCode))
        ScanRemovableDrives();
    return true;
}

}  // namespace marlix
