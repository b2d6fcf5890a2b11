#include "gui/app/ctavrel_dlg.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <algorithm>
#include <ctime>
#include <system_error>

#include "core/devices/device_events.h"
#include "core/export/camera_conf.h"
#include "core/platform/text.h"
#include "gui/app/about_dlg.h"
#include "gui/app/window_system_menu.h"
#include "gui/devices/device_change_source.h"
#include "gui/devices/media_actions.h"
#include "gui/dialog/dialog_font.h"
#include "gui/profiles/dlg_new_cfg.h"
#include "gui/resources/resource_ids.h"
#include "gui/resources/resources.h"

namespace marlix {

namespace {

CTavrelDlg::FolderPrompt& folderPrompt() {
    static CTavrelDlg::FolderPrompt prompt;
    return prompt;
}

std::optional<std::filesystem::path> askForFolder(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, "MARLIX",
                    "No camera is selected.\n\nAttach the camera or its SD card and pick it in "
                    "the device list, or choose a folder to write camera.conf into.",
                    QMessageBox::Cancel, parent);
    QPushButton* choose = box.addButton("&Choose Folder...", QMessageBox::AcceptRole);
    box.setDefaultButton(choose);
    box.exec();
    if (box.clickedButton() != choose)
        return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(parent, "Write camera.conf into");
    if (folder.isEmpty())
        return std::nullopt;
    return PathFromUtf8(folder.toStdString());
}

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A page's fields, as the part of ProfileSelections they fill.
template <class Page, class Fields>
Fields& FieldsOf(Page& page, Fields ProfileSelections::*) {
    return page;
}
template <class Page, class Fields>
const Fields& FieldsOf(const Page& page, Fields ProfileSelections::*) {
    return page;
}

}  // namespace

void CTavrelDlg::SetFolderPrompt(FolderPrompt prompt) {
    folderPrompt() = std::move(prompt);
}

CTavrelDlg::CTavrelDlg(QWidget* parent) : CTavrelDlg(Options{}, parent) {}

CTavrelDlg::CTavrelDlg(Options options, QWidget* parent)
    : CDialog(IDD, parent), m_options(std::move(options)) {
    m_appIcon = IconResource(kIdrMainIcon);
    if (!m_options.volumes)
        m_options.volumes = CreateSystemVolumeSource();
    if (!m_options.media)
        m_options.media = CreateSystemMediaActions();
    m_media = m_options.media;
}

CTavrelDlg::~CTavrelDlg() {
    // A probe gives up on its drives in time, so this wait is short; its answer, posted to this
    // window, goes with the window.
    if (m_probeThread.joinable())
        m_probeThread.join();
}

void CTavrelDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kIdcTab, m_tabCtrl);
    DDX_Control(pDX, kIdcProfileList, m_profileList);
    DDX_Control(pDX, kIdcDeviceList, m_deviceList);
}

void CTavrelDlg::ConnectMessageMap() {
    // The About entry. The window manager owns the title-bar menu here, so the entry lives in
    // the window's context menu and on F1.
    auto* about = new QAction("&About Marlix...", this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    connect(about, &QAction::triggered, this, &CTavrelDlg::OnAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    MapNotify(TCN_SELCHANGE, kIdcTab, &CTavrelDlg::OnTabSelChange);
    MapCommand(BN_CLICKED, kIdcSet, &CTavrelDlg::OnSet);
    MapCommand(BN_CLICKED, kIdcNewProfile, &CTavrelDlg::OnNewProfile);
    MapCommand(BN_CLICKED, kIdcDelProfile, &CTavrelDlg::OnDelProfile);
    MapCommand(BN_CLICKED, kIdcSaveProfile, &CTavrelDlg::OnSaveProfile);
    MapCommand(LBN_SELCHANGE, kIdcProfileList, &CTavrelDlg::OnProfileSelChange);
    MapNotify(LVN_ITEMCHANGED, kIdcDeviceList, &CTavrelDlg::OnDeviceItemChanged);
}

bool CTavrelDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The native window exists from here on with its final flags, so its handle stays valid.
    m_systemMenuEntry = AddAboutToSystemMenu(*this, "&About Marlix...", [this] { OnAbout(); });
    // Device arrival and removal. The source listens from here on, before the first scan, so a
    // card that arrives in between is not missed.
    if (m_options.watchDevices) {
        m_deviceChanges = CreateSystemDeviceChangeSource(*this);
        connect(m_deviceChanges.get(), &DeviceChangeSource::deviceChange, this,
                [this](unsigned eventCode) { OnDeviceChange(eventCode, nullptr); });
    }
    setWindowIcon(m_appIcon);

    // The working directory at launch, whatever its length; cfg.ini lives there.
    std::error_code error;
    m_workDir = std::filesystem::current_path(error);
    if (error) {
        MessageBoxW("marlix cannot find its working directory: " +
                        QString::fromLocal8Bit(error.message().c_str()) +
                        "\n\nStart it from a folder that exists.",
                    "MARLIX");
        EndDialog(IDCANCEL);
        return true;
    }
    m_cfgPath = m_workDir / "cfg.ini";
    InitProfileStore();
    InitTabPages();
    InitDeviceList();
    InitCardActions();
    FillProfileList();
    m_startedUp = true;
    return true;
}

void CTavrelDlg::OnAbout() {
    CAboutDlg about(this);
    about.DoModal();
}

// ---- profiles ---------------------------------------------------------------------------

void CTavrelDlg::InitProfileStore() {
    m_store = ProfileStore(m_cfgPath);
    ProfileSelections values = PageFields();
    const Status status = m_store.InitProfileStore(values);
    if (!status) {
        ShowError(status.message());
        return;
    }
    // The pages do not exist yet: they show these fields when they are created.
    SetFields(values);
}

void CTavrelDlg::FillProfileList() {
    for (const std::string& name : m_store.profileNames()) m_profileList.AddString(Q(name));
    if (m_profileList.GetCount() > 0)
        m_profileList.SetCurSel(m_store.currentIndex());
}

void CTavrelDlg::OnNewProfile() {
    CDlgNewCFG dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    const std::string name = dialog.m_name.toStdString();
    const Status status = m_store.CreateProfile(name, ReadPages());
    if (!status) {
        // A name the user can mend is a notice; anything else is an error of the file.
        const bool nameRefused =
            status.code() == ErrorCode::DuplicateName || status.code() == ErrorCode::InvalidName;
        if (nameRefused)
            MessageBoxW(Q(status.message()), "Notify");
        else
            ShowError(status.message());
        return;
    }
    // The new profile keeps what the pages show; only the list learns about it.
    const int item = m_profileList.GetCount();
    m_profileList.InsertString(item, Q(name));
    m_profileList.SetCurSel(item);
}

void CTavrelDlg::OnDelProfile() {
    const int selected = m_profileList.GetCurSel();
    if (selected < 0)
        return;  // nothing shown as chosen: nothing to delete
    ProfileSelections values = PageFields();
    const Status status = m_store.DeleteProfile(selected, values);
    if (!status) {
        ShowError(status.message());
        return;
    }
    m_profileList.DeleteString(selected);
    // The neighbour that takes the selection is also the profile the pages show and Save writes.
    m_profileList.SetCurSel(m_store.currentIndex());
    if (m_store.currentIndex() >= 0)
        WritePages(values);
}

void CTavrelDlg::OnSaveProfile() {
    if (m_profileList.GetCurSel() < 0)
        return;
    const Status status = m_store.SaveProfile(ReadPages());
    if (!status)
        ShowError(status.message());
}

void CTavrelDlg::OnProfileSelChange() {
    const int selected = m_profileList.GetCurSel();
    if (selected < 0)
        return;
    ProfileSelections values = PageFields();
    const Status status = m_store.SelectProfile(selected, values);
    if (!status) {
        ShowError(status.message());
        m_profileList.SetCurSel(m_store.currentIndex());  // the list keeps showing what is loaded
        return;
    }
    WritePages(values);
}

// ---- pages --------------------------------------------------------------------------------

void CTavrelDlg::InitTabPages() {
    // An 18-pixel cell of the "System" face (mapped to an installed sans face), for the profile
    // list and the tab headers only.
    m_uiFont = MakeCellHeightFont("System", 18);
    m_profileList.SetFont(m_uiFont);
    m_tabCtrl.SetFont(m_uiFont);

    std::array<const char*, std::tuple_size_v<decltype(m_pages)>> captions{};
    ForEachPage(*this, [&](auto& page, auto) {
        Q_ASSERT(m_pages[page.kTab.index] == nullptr);  // one page a tab
        m_pages[page.kTab.index] = &page;
        captions[page.kTab.index] = page.kTab.caption;
    });
    for (int i = 0; i < static_cast<int>(captions.size()); ++i)
        m_tabCtrl.InsertItem(i, captions[i]);

    // Created from left to right.
    for (CDialog* page : m_pages) page->Create(page->GetTemplateId(), m_tabCtrl.GetSafeHwnd());

    QRect client;
    m_tabCtrl.GetClientRect(&client);
    const QRect place = TabPageRect(client);
    for (CDialog* page : m_pages)
        page->MoveWindow(place.x(), place.y(), place.width(), place.height());
    m_currentPage = 0;
    m_pages[m_currentPage]->ShowWindow(SW_SHOW);
}

void CTavrelDlg::OnTabSelChange(NMHDR*, LRESULT* result) {
    m_pages[m_currentPage]->ShowWindow(SW_HIDE);
    m_currentPage = m_tabCtrl.GetCurSel();
    m_pages[m_currentPage]->ShowWindow(SW_SHOW);
    if (result)
        *result = 0;
}

ProfileSelections CTavrelDlg::PageFields() const {
    ProfileSelections s;
    ForEachPage(*this, [&s](const auto& page, auto fields) { s.*fields = FieldsOf(page, fields); });
    return s;
}

void CTavrelDlg::SetFields(const ProfileSelections& values) {
    // The interlock flags record the user's last clicks on this page, not a profile.
    const std::uint8_t interlock = m_photoPage.m_photoInterlock;
    ForEachPage(*this,
                [&values](auto& page, auto fields) { FieldsOf(page, fields) = values.*fields; });
    m_photoPage.m_photoInterlock = interlock;
}

ProfileSelections CTavrelDlg::ReadPages() {
    ForEachPage(*this, [](auto& page, auto) { page.UpdateData(true); });
    return PageFields();
}

void CTavrelDlg::WritePages(const ProfileSelections& values) {
    SetFields(values);
    ForEachPage(*this, [](auto& page, auto) { page.UpdateData(false); });
}

QRect TabPageRect(const QRect& tabClient) {
    return QRect(1, 26, tabClient.width() - 5, tabClient.height() - 30);
}

// ---- devices ------------------------------------------------------------------------------

void CTavrelDlg::InitDeviceList() {
    m_deviceList.SetExtendedStyle(m_deviceList.GetExtendedStyle() | LVS_EX_GRIDLINES |
                                  LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT);
    m_deviceImages.Create(32, 32, 0x19, 1, 1);
    m_deviceImages.SetBkColor(Qt::white);
    m_deviceImages.Add(IconResource(kIdiDeviceIcon));
    m_deviceList.SetImageList(&m_deviceImages, LVSIL_SMALL);
    m_deviceList.listView()->setTextElideMode(Qt::ElideMiddle);

    // Roots here are mount points rather than drive letters, so the first column is wider than
    // a drive letter needs; the last column takes the rest of the list's width.
    QRect client;
    m_deviceList.GetClientRect(&client);
    constexpr int kDeviceWidth = 150, kLabelWidth = 100, kDescriptionWidth = 200;
    m_deviceList.InsertColumn(0, "Device", LVCFMT_LEFT, kDeviceWidth);
    m_deviceList.InsertColumn(1, "Label", LVCFMT_LEFT, kLabelWidth);
    m_deviceList.InsertColumn(2, "Description", LVCFMT_LEFT, kDescriptionWidth);
    m_deviceList.InsertColumn(3, "Version", LVCFMT_LEFT,
                              client.width() - kDeviceWidth - kLabelWidth - kDescriptionWidth);

    // A one-line note for what "Set" did, between the device list and the tab control.
    m_status = new QLabel(this);
    m_status->setObjectName("statusNote");
    m_status->setGeometry(MapDialogRect(DlgRect{8, 84, 370, 10}));
    m_status->setTextFormat(Qt::PlainText);

    ScanRemovableDrives();
}

void CTavrelDlg::ScanRemovableDrives() {
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

void CTavrelDlg::ProbeDrivesInBackground(std::vector<DriveInfo> drives, bool again) {
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
    m_probeThread = std::thread([this, source = m_options.volumes, drives = std::move(drives)] {
        std::vector<ProbedDrive> probed = ProbeDrives(source, drives);
        QMetaObject::invokeMethod(
            this, [this, probed = std::move(probed)] { OnDrivesProbed(probed); },
            Qt::QueuedConnection);
    });
}

void CTavrelDlg::OnDrivesProbed(const std::vector<ProbedDrive>& probed) {
    m_probeThread.join();
    m_deviceState.ApplyProbes(probed);
    FillDeviceList();
    if (m_probeNext) {
        std::vector<DriveInfo> next = std::move(*m_probeNext);
        m_probeNext.reset();
        ProbeDrivesInBackground(std::move(next));
    }
}

int CTavrelDlg::FillDeviceList() {
    m_filling = true;
    const auto& rows = m_deviceState.rows();
    // The same drives as shown: only their texts change, so the user's pointer and focus stay.
    bool sameRows = m_deviceList.GetItemCount() == static_cast<int>(rows.size());
    for (int i = 0; sameRows && i < static_cast<int>(rows.size()); ++i)
        sameRows = m_deviceList.GetItemText(i, 0) == Q(rows[i].root);
    if (!sameRows) {
        m_deviceList.DeleteAllItems();
        for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
            m_deviceList.InsertItem(i, Q(rows[i].root));
            // Mount points can be longer than the column: keep both ends and show the whole on
            // hover.
            m_deviceList.listView()->item(i, 0)->setToolTip(Q(rows[i].root));
        }
    }
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        m_deviceList.SetItemText(i, 1, Q(rows[i].label));
        m_deviceList.SetItemText(i, 2, Q(rows[i].space));
        m_deviceList.SetItemText(i, 3, Q(rows[i].version));
    }
    if (!sameRows && m_deviceState.selectedRow() >= 0) {
        m_deviceList.SetItemState(m_deviceState.selectedRow(), LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
    }
    ShowCardRows();
    m_filling = false;
    return rows.empty() ? -1 : 0;
}

void CTavrelDlg::OnDeviceItemChanged(NMHDR* header, LRESULT* result) {
    if (result)
        *result = 0;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    if (m_filling || change == nullptr || change->iItem < 0)
        return;
    // Only a row that became selected is the user's choice; the row losing the selection in the
    // same click reports too, and must not win.
    if (!(change->uNewState & LVIS_SELECTED))
        return;
    if (m_deviceState.Choose(change->iItem)) {
        m_targetRoot = m_deviceState.targetRoot();
        UpdateCardNote();
    }
}

bool CTavrelDlg::OnDeviceChange(unsigned eventCode, void*) {
    if (ShouldRescanDrives(eventCode))
        ScanRemovableDrives();
    return true;
}

// ---- camera.conf --------------------------------------------------------------------------

void CTavrelDlg::OnSet() {
    UpdateData(true);
    SetStatus(QString());  // whatever happens now, an earlier "written" no longer holds
    std::filesystem::path root = PathFromUtf8(m_targetRoot);
    const DeviceRow* card = m_deviceState.targetRow();
    if (m_targetRoot.empty()) {
        // Writing into the working directory unasked would look like success while no card got
        // anything; ask where to write instead.
        const FolderPrompt& prompt = folderPrompt();
        const auto folder = prompt ? prompt(this) : askForFolder(this);
        if (!folder)
            return;
        root = *folder;
        card = nullptr;
    } else if (card && card->state == DriveState::NotAnswering) {
        ShowError("The card " + m_targetRoot + " does not answer, so camera.conf was not " +
                  "written: writing onto it could hang. Take it out and attach it again.");
        return;
    } else if (card && !m_options.volumes->StillMounted(card->drive)) {
        // Unmounted a moment ago, before the list heard of it: its mount point is an empty
        // folder on the computer's own disk now.
        ReportCardGone(m_targetRoot);
        return;
    }
    const ProfileSelections values = ReadPages();
    std::string clock;
    if (values.system.m_syncClock != 0) {
        auto now = LocalClockText(std::time(nullptr));
        if (!now) {
            ShowError(now.message());
            return;
        }
        clock = *now;
    }
    const std::string bytes = BuildCameraConf(values, clock);
    const Status status =
        WriteCameraConf(root, bytes, card ? card->drive.rootDevice : std::nullopt);
    if (status.code() == ErrorCode::DriveGone) {
        ReportCardGone(PathToUtf8(root));
        return;
    }
    if (!status) {
        ShowError(status.message());
        return;
    }
    SetStatus(QString("camera.conf written to %1 at %2")
                  .arg(Q(PathToUtf8(root)), QTime::currentTime().toString("HH:mm:ss")));
    if (card)
        OnCardWritten(card->root, bytes);
}

void CTavrelDlg::ReportCardGone(const std::string& root) {
    ScanRemovableDrives();
    ShowError("The card " + root + " is gone: it was taken out or unmounted. camera.conf was " +
              "not written.\n\nAttach the card again and choose it in the device list.");
}

// ---- messages -----------------------------------------------------------------------------

void CTavrelDlg::ShowError(const std::string& message) {
    MessageBoxW(Q(message), "MARLIX");
}

void CTavrelDlg::SetStatus(const QString& text) {
    m_noteLasts = false;
    m_eventNote = text;
    m_notePages = PageFields();
    m_ejectOffer.clear();
    ShowNote();
}

QString CTavrelDlg::StatusText() const {
    return m_shownNote;
}

}  // namespace marlix
