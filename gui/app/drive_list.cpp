#include "gui/app/drive_list.h"

#include <QScrollBar>
#include <QTableWidgetItem>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <future>

#include "core/devices/device_events.h"
#include "core/devices/device_rows.h"
#include "gui/app/qt_text.h"
#include "gui/devices/device_change_source.h"
#include "gui/layout/report_view.h"
#include "gui/resources/resource_ids.h"
#include "gui/resources/resources.h"

namespace marlix {

namespace {

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

std::string DriveList::spaceShown(const DeviceRow& row) const {
    // The row's state in words is the window's; the space figures are the same in every language.
    const char* text = nullptr;
    if (!m_writingRoot.empty() && row.root == m_writingRoot)
        return tr("Writing...").toStdString();
    if (row.space == kProbingText)
        text = QT_TR_NOOP("Reading...");
    else if (row.space == kNotAnsweringText)
        text = QT_TR_NOOP("Not answering");
    else if (row.space == kNotMountedText)
        text = QT_TR_NOOP("Not mounted");
    return text ? tr(text).toStdString() : row.space;
}

DriveList::DriveList(std::shared_ptr<VolumeSource> volumes) : m_volumes(std::move(volumes)) {}

DriveList::~DriveList() {
    // A probe gives up on its drives in time, so this wait is short; its answer, posted to this
    // object, goes with it.
    if (m_probeThread.joinable())
        m_probeThread.join();
}

void DriveList::attach(ReportViewWidget* view) {
    m_view = view;
    m_view->setRowIcon(IconResource(kIdiDeviceIcon), QSize(32, 32));
    m_view->setTextElideMode(Qt::ElideMiddle);
    // Roots here are mount points rather than drive letters, so the first column is wider than
    // a drive letter needs; the last column takes the rest of the list's width, less the vertical
    // scroll bar that a third card brings, so that the columns never need a horizontal one.
    // The columns fill the list inside its border, so that they need no horizontal scroll bar.
    const int clientWidth = m_view->contentsRect().width();
    const int scrollBar = m_view->verticalScrollBar()->sizeHint().width();
    constexpr int kDeviceWidth = 150, kLabelWidth = 100, kDescriptionWidth = 200;
    m_view->addColumn(tr("Device"), kDeviceWidth);
    m_view->addColumn(tr("Label"), kLabelWidth);
    m_view->addColumn(tr("Description"), kDescriptionWidth);
    m_view->addColumn(tr("Version"),
                      clientWidth - kDeviceWidth - kLabelWidth - kDescriptionWidth - scrollBar);

    connect(m_view, &ReportViewWidget::rowChosen, this, &DriveList::onRowChosen);

    m_firstScanPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_firstScanPending)
            scan();
    });
}

void DriveList::watch(QWidget& window) {
    m_changes = CreateSystemDeviceChangeSource(window);
    connect(m_changes.get(), &DeviceChangeSource::deviceChange, this, &DriveList::deviceChange);
}

void DriveList::scan() {
    m_firstScanPending = false;
    auto listed = m_volumes->ListRemovableDrives();
    // What keeps the list from following the cards.
    QStringList problems;
    if (!listed)
        problems << Q(listed.message());
    if (m_changes)
        problems << m_changes->problems();
    emit scanned(problems.join(' '));
    if (!listed)
        return;
    m_state.ApplyListing(*listed);
    m_targetRoot = m_state.targetRoot();
    fill();
    probeInBackground(std::move(*listed));
}

void DriveList::probeAgain(const DriveInfo& drive, std::function<void()> whenBack) {
    probeInBackground({drive}, true, std::move(whenBack));
}

void DriveList::probeInBackground(std::vector<DriveInfo> drives, bool again,
                                  std::function<void()> whenBack) {
    if (drives.empty())
        return;
    if (m_probeThread.joinable()) {
        // The probe under way may have asked the drive before its card changed: the answer
        // waited for is the next probe's.
        if (whenBack)
            m_whenNextProbed.push_back(std::move(whenBack));
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
    if (whenBack)
        m_whenProbed.push_back(std::move(whenBack));
    // The probes fork while this thread waits for them to be under way (a few milliseconds):
    // a child must not start with a lock that this thread held at the moment of the fork, such
    // as an allocator's that has no fork handling (the sanitizers' has none).
    auto underWay = std::make_shared<std::promise<void>>();
    std::future<void> started = underWay->get_future();
    m_probeThread = std::thread([this, source = m_volumes, drives = std::move(drives), underWay] {
        std::vector<ProbedDrive> probed =
            ProbeDrives(source, drives, kDriveProbeDeadline, [&] { underWay->set_value(); });
        QMetaObject::invokeMethod(
            this, [this, probed = std::move(probed)] { onProbed(probed); }, Qt::QueuedConnection);
    });
    started.wait();
}

void DriveList::onProbed(const std::vector<ProbedDrive>& probed) {
    m_probeThread.join();
    m_state.ApplyProbes(probed);
    fill();
    std::vector<std::function<void()>> waiting = std::move(m_whenProbed);
    m_whenProbed.clear();
    if (m_probeNext) {
        std::vector<DriveInfo> next = std::move(*m_probeNext);
        m_probeNext.reset();
        m_whenProbed = std::move(m_whenNextProbed);
        m_whenNextProbed.clear();
        probeInBackground(std::move(next));
    }
    for (const auto& whenBack : waiting) whenBack();
}

void DriveList::fill() {
    m_filling = true;
    const auto& rows = m_state.rows();
    // The same drives as shown: only their texts change, so the user's pointer and focus stay.
    bool sameRows = m_view->rowCount() == static_cast<int>(rows.size());
    for (int i = 0; sameRows && i < static_cast<int>(rows.size()); ++i)
        sameRows = m_view->cellText(i, 0) == Q(MakeCellText(rows[i].root).display);
    if (!sameRows) {
        m_view->clearRows();
        m_view->setRowCount(static_cast<int>(rows.size()));
        // Mount points can be longer than the column: keep both ends and show the whole on
        // hover.
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            ShowCellText(*m_view, i, 0, rows[i].root);
    }
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        ShowCellText(*m_view, i, 1, rows[i].label);
        ShowCellText(*m_view, i, 2, spaceShown(rows[i]));
        ShowCellText(*m_view, i, 3, rows[i].version);
    }
    if (!sameRows && m_state.selectedRow() >= 0)
        m_view->chooseRow(m_state.selectedRow());
    emit filled();
    m_filling = false;
}

void DriveList::onRowChosen(int row) {
    if (m_filling || row < 0)
        return;
    if (m_state.Choose(row)) {
        m_targetRoot = m_state.targetRoot();
        emit targetChosen();
    }
}

bool DriveList::chooseRoot(const std::string& root) {
    const auto& rows = m_state.rows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (rows[i].root != root || !m_state.Choose(i))
            continue;
        m_targetRoot = m_state.targetRoot();
        m_filling = true;
        m_view->chooseRow(i);
        m_filling = false;
        return true;
    }
    return false;
}

void DriveList::applyUnmounted(std::vector<UnmountedCard> cards) {
    m_state.ApplyUnmounted(std::move(cards));
    m_targetRoot = m_state.targetRoot();
    fill();
}

void DriveList::setWritingRoot(const std::string& root) {
    m_writingRoot = root;
    fill();
}

void DriveList::deviceChange(unsigned eventCode) {
    if (ShouldRescanDrives(eventCode))
        scan();
}

}  // namespace marlix
