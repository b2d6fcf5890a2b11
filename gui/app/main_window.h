// The main window: runs the start-up sequence, wires its parts together (the pages in the tab
// control, the profile list, the device list, the card note) and runs Set. Each part is a few
// lines of glue over the core (ProfileStore, DeviceList, the camera.conf writer), which is where
// the behaviour lives and is tested without widgets.
#pragma once

#include <QIcon>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "core/devices/card_contents.h"
#include "core/export/camera_conf.h"
#include "core/platform/volumes/volume_source.h"
#include "gui/app/card_panel.h"
#include "gui/app/drive_list.h"
#include "gui/app/pages_host.h"
#include "gui/app/profile_panel.h"
#include "gui/layout/controls.h"
#include "gui/layout/template_dialog.h"
#include "gui/resources/resource_ids.h"

class QLabel;
class QMenu;
class QPushButton;

namespace marlix {

class DeviceChangeSource;
class MediaActions;
class SystemMenuEntry;

class MainWindow : public TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = kIddMain;

    struct Options {
        // Where the drives come from; the system's when empty.
        std::shared_ptr<VolumeSource> volumes;
        // Listen for mounts and udev block events (tests call drives().deviceChange).
        bool watchDevices = true;
        // How cards are mounted and ejected; the system's when empty.
        std::shared_ptr<MediaActions> media;
    };
    // Answers "no camera is selected": the folder to write camera.conf into, or nothing for
    // Cancel. Tests replace it; the default asks the user.
    using FolderPrompt = std::function<std::optional<std::filesystem::path>(QWidget* parent)>;
    static void setFolderPrompt(FolderPrompt prompt);

    explicit MainWindow(QWidget* parent = nullptr);
    MainWindow(Options options, QWidget* parent = nullptr);
    ~MainWindow() override;

    // False when start-up could not even find the working directory.
    bool startedUp() const { return m_startedUp; }

    // The handlers of the window's controls, public so that tests can call them as a click, a
    // tab change or a device change would.
    void writeCameraConf();
    // Set on All Cards: the pages onto every card listed that answers, one after the other,
    // after one question that lists them; the outcome for each card in one message.
    void writeEveryCard();
    void showAbout();

    // The five pages in the tab control.
    PagesHost& pages() { return m_pages; }
    // The profile list and its commands.
    ProfilePanel& profiles() { return m_profiles; }
    // The one-line note under the device list ("camera.conf written to ...").
    QString statusText() const { return m_card->statusText(); }
    // Whether the first run's cfg.ini is still to be made (right after the first paint).
    bool profileFilePending() const { return m_profiles.pending(); }
    // Whether the first scan for drives is still to come (right after the window is up), or
    // drives are being asked for their size and version.txt right now.
    bool drivesBeingProbed() const { return m_drives->probing(); }
    // The device list.
    DriveList& drives() { return *m_drives; }

    // The note under the device list and the card in view.
    CardPanel& card() { return *m_card; }
    // Set's write is under way (away from this thread); setFinished() says when it is over.
    bool writing() const { return m_writeThread.joinable(); }

public slots:
    // Escape, Enter, the close box and Alt+F4 end the program here: unsaved changes of the
    // profile are offered for saving first.
    void done(int result) override;

signals:
    // A write that Set started has ended, whatever its outcome; the note or a message says it.
    void setFinished();

protected:
    bool initialize() override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void connectCommands();
    void initTabPages();
    void initDeviceList();
    // The card chosen for Set is gone: the list is brought up to date and the user told.
    void reportCardGone(const std::string& root);
    void showError(const QString& message);

    // Where Set writes: a card of the list or a folder the user chose, and what it writes.
    struct SetTarget {
        std::filesystem::path root;
        std::string cardRoot;  // the card's row; empty for a folder
        std::string label;
        std::optional<std::uint64_t> device;  // the card's, as its probe saw it
        std::optional<std::uint64_t> bytesInUse;
        QString what;  // for the note: which settings ("camera.conf of profile Night")
    };
    // Work that may hang on a card runs on the one worker thread (its deadline ends it); `then`
    // gets its outcome back on this thread.
    template <class Outcome, class Work, class Then>
    void runOnWorker(Work work, Then then);
    // What Set writes, for the note: the profile's settings, or its unsaved ones.
    QString whatSetWrites() const;
    // "Format SD card" is ticked: whether the user still wants Set, knowing what the card holds.
    bool confirmFormat(const SetTarget& to, const Result<CardContents>& contents);
    void startWrite(const SetTarget& to, const ProfileSelections& values);
    // Set's write is back.
    void onCameraConfWritten(const Status& status, const SetTarget& to, const std::string& bytes,
                             const CameraConfBefore& before);
    // Puts back what Set replaced, if the card still holds what Set wrote.
    void undoWrite(const SetTarget& to, const std::optional<std::string>& previous,
                   const std::string& written);

    // Members, in the order they are set up. The parts (pages, profiles, drives, card) are
    // destroyed before the widgets they refer to.
    QIcon m_appIcon;
    std::filesystem::path m_workDir;
    QFont m_uiFont;
    TabControlWidget* m_tabs = nullptr;
    PagesHost m_pages;
    ProfilePanel m_profiles{m_pages, this};
    ChoiceListWidget* m_profileList = nullptr;
    ReportViewWidget* m_deviceList = nullptr;
    Options m_options;
    std::unique_ptr<DriveList> m_drives;
    std::thread m_writeThread;
    std::unique_ptr<SystemMenuEntry> m_systemMenuEntry;
    std::unique_ptr<CardPanel> m_card;
    bool m_startedUp = false;
    bool m_iconsSet = false;
};

}  // namespace marlix
