#include "gui/app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <ctime>
#include <filesystem>
#include <future>
#include <system_error>

#include "core/devices/card_contents.h"
#include "core/devices/every_card.h"
#include "core/export/camera_conf.h"
#include "core/platform/text.h"
#include "core/schema/setting_rows.h"
#include "gui/app/about_dialog.h"
#include "gui/app/qt_text.h"
#include "gui/app/window_system_menu.h"
#include "gui/devices/device_change_source.h"
#include "gui/devices/media_actions.h"
#include "gui/layout/dialog_font.h"
#include "gui/layout/message_box.h"
#include "gui/resources/resource_ids.h"
#include "gui/resources/resources.h"

namespace marlix {

namespace {

MainWindow::FolderPrompt& folderPrompt() {
    static MainWindow::FolderPrompt prompt;
    return prompt;
}

std::optional<std::filesystem::path> askForFolder(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, "MARLIX",
                    QCoreApplication::translate(
                        "marlix::MainWindow",
                        "No camera is selected.\n\nAttach the camera or its SD card and pick it "
                        "in the device list, or choose a folder to write camera.conf into."),
                    QMessageBox::Cancel, parent);
    QPushButton* choose =
        box.addButton(QCoreApplication::translate("marlix::MainWindow", "&Choose Folder..."),
                      QMessageBox::AcceptRole);
    box.setDefaultButton(choose);
    box.exec();
    if (box.clickedButton() != choose)
        return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(
        parent, QCoreApplication::translate("marlix::MainWindow", "Write camera.conf into"));
    if (folder.isEmpty())
        return std::nullopt;
    return PathFromUtf8(folder.toStdString());
}

}  // namespace

void MainWindow::setFolderPrompt(FolderPrompt prompt) {
    folderPrompt() = std::move(prompt);
}

MainWindow::MainWindow(QWidget* parent) : MainWindow(Options{}, parent) {}

MainWindow::MainWindow(Options options, QWidget* parent)
    : TemplateDialog(kTemplateId, parent), m_options(std::move(options)) {
    m_appIcon = IconResource(kIdrMainIcon);
    if (!m_options.volumes)
        m_options.volumes = CreateSystemVolumeSource();
    if (!m_options.media)
        m_options.media = CreateSystemMediaActions();
    m_drives = std::make_unique<DriveList>(m_options.volumes);
    m_card = std::make_unique<CardPanel>(
        *m_drives, m_pages, m_options.media, [this] { return writing(); }, this);
}

MainWindow::~MainWindow() {
    // A write gives up at its deadline, so this wait is short.
    if (m_writeThread.joinable())
        m_writeThread.join();
}

void MainWindow::connectCommands() {
    // The About entry. The window manager owns the title-bar menu here, so the entry lives in
    // the window's context menu and on F1.
    auto* about = new QAction(tr("&About Marlix..."), this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(control<QPushButton>(kIdcSet), &QPushButton::clicked, this,
            &MainWindow::writeCameraConf);
    auto* everyCard = new QAction(tr("Set on &All Cards..."), this);
    everyCard->setShortcut(CardPanel::kSetOnAllCardsKeys);
    everyCard->setShortcutContext(Qt::WindowShortcut);
    connect(everyCard, &QAction::triggered, this, &MainWindow::writeEveryCard);
    addAction(everyCard);
    connect(m_card.get(), &CardPanel::setRequested, this, &MainWindow::writeCameraConf);
    connect(m_card.get(), &CardPanel::setOnAllCardsRequested, this, &MainWindow::writeEveryCard);
}

bool MainWindow::initialize() {
    m_tabs = control<TabControlWidget>(kIdcTab);
    m_profileList = control<ChoiceListWidget>(kIdcProfileList);
    m_deviceList = control<ReportViewWidget>(kIdcDeviceList);
    connectCommands();
    // The native window exists from here on with its final flags, so its handle stays valid.
    m_systemMenuEntry =
        AddAboutToSystemMenu(*this, tr("&About Marlix..."), [this] { showAbout(); });
    // Device arrival and removal. The source listens from here on, before the first scan, so a
    // card that arrives in between is not missed.
    if (m_options.watchDevices)
        m_drives->watch(*this);

    // The working directory at launch, whatever its length; cfg.ini lives there.
    std::error_code error;
    m_workDir = std::filesystem::current_path(error);
    if (error) {
        ShowMessage(this,
                    tr("marlix cannot find its working directory: %1\n\nStart it from a folder "
                       "that exists.")
                        .arg(QString::fromLocal8Bit(error.message().c_str())),
                    "MARLIX");
        done(Rejected);
        return true;
    }
    m_profiles.open(m_workDir / "cfg.ini");
    initTabPages();
    initDeviceList();
    m_profiles.attach(m_profileList, control<QAbstractButton>(kIdcNewProfile),
                      control<QAbstractButton>(kIdcDelProfile),
                      control<QAbstractButton>(kIdcSaveProfile));
    connect(&m_profiles, &ProfilePanel::said, m_card.get(),
            [this](const QString& note, const QList<NoteAction>& actions) {
                m_card->setStatus(note, actions);
            });
    m_startedUp = true;
    return true;
}

void MainWindow::done(int result) {
    if (m_startedUp && !m_profiles.offerToSave())
        return;  // cancelled: the window and the pages stay
    TemplateDialog::done(result);
}

void MainWindow::showEvent(QShowEvent* event) {
    TemplateDialog::showEvent(event);
    if (m_iconsSet || !isWindow())
        return;
    m_iconsSet = true;
    // The icon (of this window and of every other of the program: the About box, New Profile,
    // message boxes) right after the window is up: decoding its pictures would hold it up, and
    // window managers take a new icon as it comes.
    QTimer::singleShot(0, this, [this] {
        QApplication::setWindowIcon(m_appIcon);
        setWindowIcon(m_appIcon);
    });
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.runModal();
}

// ---- profiles ---------------------------------------------------------------------------

void MainWindow::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    // The first picture is on its way to the screen: now the profile file can be made.
    if (m_profiles.pending())
        QTimer::singleShot(0, &m_profiles, &ProfilePanel::finishPending);
}

// ---- pages --------------------------------------------------------------------------------

void MainWindow::initTabPages() {
    // An 18-pixel cell of the "System" face (mapped to an installed sans face), for the profile
    // list and the tab headers only.
    m_uiFont = MakeCellHeightFont("System", 18);
    m_profileList->setFont(m_uiFont);
    m_tabs->setFont(m_uiFont);

    m_pages.attach(m_tabs);
}

void MainWindow::initDeviceList() {
    m_drives->attach(m_deviceList);
    m_card->attach(m_deviceList, toPixels(DlgRect{8, 84, 370, 10}));
}

// ---- camera.conf --------------------------------------------------------------------------

template <class Outcome, class Work, class Then>
void MainWindow::runOnWorker(Work work, Then then) {
    // As with the probes, the work forks while this thread waits for it to be under way.
    auto underWay = std::make_shared<std::promise<void>>();
    std::future<void> started = underWay->get_future();
    m_writeThread =
        std::thread([this, work = std::move(work), then = std::move(then), underWay]() mutable {
            bool told = false;
            auto tell = [&] {
                if (!told)
                    underWay->set_value();
                told = true;
            };
            Outcome outcome = work(tell);
            tell();
            QMetaObject::invokeMethod(
                this,
                [this, outcome = std::move(outcome), then = std::move(then)]() mutable {
                    m_writeThread.join();
                    then(std::move(outcome));
                },
                Qt::QueuedConnection);
        });
    started.wait();
}

void MainWindow::writeCameraConf() {
    // One write at a time: the note says that one is under way.
    if (writing())
        return;
    m_card->setStatus(QString());  // whatever happens now, an earlier "written" no longer holds
    const std::string& target = m_drives->targetRoot();
    SetTarget to;
    to.root = PathFromUtf8(target);
    const DeviceRow* card = m_drives->state().targetRow();
    if (target.empty()) {
        // Writing into the working directory unasked would look like success while no card got
        // anything; ask where to write instead.
        const FolderPrompt& prompt = folderPrompt();
        const auto folder = prompt ? prompt(this) : askForFolder(this);
        if (!folder)
            return;
        to.root = *folder;
        card = nullptr;
    } else if (card && card->state == DriveState::NotAnswering) {
        showError(tr("The card %1 does not answer, so camera.conf was not written: writing onto "
                     "it could hang. Take it out and attach it again.")
                      .arg(Q(target)));
        return;
    } else if (card && !m_drives->volumes().StillMounted(card->drive)) {
        // Unmounted a moment ago, before the list heard of it: its mount point is an empty
        // folder on the computer's own disk now.
        reportCardGone(target);
        return;
    }
    if (card) {
        to.cardRoot = card->root;
        to.label = card->drive.label;
        to.device = card->drive.rootDevice;
        if (card->drive.spaceKnown && card->drive.totalBytes >= card->drive.freeBytes)
            to.bytesInUse = card->drive.totalBytes - card->drive.freeBytes;
    }
    const ProfileSelections values = m_pages.read();
    to.what = whatSetWrites();
    if (OptionText(Setting::Format, values.system.m_format) != "true") {
        startWrite(to, values);
        return;
    }
    // The camera erases the card when it reads format=true: first what the card holds, read
    // away from this thread (a card may stop answering), then the question.
    m_card->setStatus(tr("Reading what %1 holds...").arg(Q(PathToUtf8(to.root))));
    m_drives->setWritingRoot(to.cardRoot);
    runOnWorker<Result<CardContents>>(
        [root = PathToUtf8(to.root)](const auto& started) {
            return ReadCardContents(root, kCardContentsDeadline, started);
        },
        [this, to, values](Result<CardContents> contents) {
            m_drives->setWritingRoot({});
            m_card->setStatus(QString());
            if (confirmFormat(to, contents)) {
                startWrite(to, values);
                if (writing())
                    return;  // the write says when it is over
            } else {
                m_card->setStatus(tr("Set cancelled: nothing was written"));
            }
            emit setFinished();
        });
}

QString MainWindow::whatSetWrites() const {
    const QString name = m_profiles.currentName();
    if (name.isEmpty())
        return tr("camera.conf of the pages");
    return (m_profiles.unsaved() ? tr("camera.conf of unsaved settings (profile %1)")
                                 : tr("camera.conf of profile %1"))
        .arg(name);
}

void MainWindow::writeEveryCard() {
    if (writing())
        return;
    std::vector<DeviceRow> cards;
    QString list;
    for (const DeviceRow& row : m_drives->state().rows()) {
        if (row.state == DriveState::Unmounted)
            continue;  // not a card Set can write; Mount makes it one
        cards.push_back(row);
        list += "\n    " +
                Q(row.drive.label.empty() ? row.root : row.drive.label + " (" + row.root + ")");
        if (row.state == DriveState::NotAnswering)
            list += tr(" - not answering, will be skipped");
    }
    if (cards.empty()) {
        showError(
            tr("No card is listed, so camera.conf was not written.\n\nAttach the cards (or a "
               "reader with several slots) and wait until they are listed."));
        return;
    }
    const ProfileSelections values = m_pages.read();
    const bool format = OptionText(Setting::Format, values.system.m_format) == "true";
    const QString what = whatSetWrites();
    enum { Write, Cancel };
    const int count = static_cast<int>(cards.size());
    const QString text =
        tr("Write %1 onto each of these %n cards?\n%2", nullptr, count).arg(what, list) +
        (format ? "\n\n" + tr("\"Format SD card\" is ticked: the camera erases everything on "
                              "each of them when it reads this camera.conf.")
                : QString());
    if (AskQuestion(this, text, "MARLIX", {tr("Set on &All Cards"), tr("Cancel")},
                    format ? Cancel : Write, Cancel) != Write) {
        return;
    }
    m_card->setStatus(tr("Writing %1 onto %n cards...", nullptr, count).arg(what));
    runOnWorker<std::vector<CardWrite>>(
        [cards, values](const auto& started) {
            started();  // each card's write is a child of its own, with its own deadline
            return WriteEveryCard(cards, [&values] { return BuildCameraConfNow(values); });
        },
        [this, what](std::vector<CardWrite> written) {
            QString report;
            int done = 0;
            for (const CardWrite& card : written) {
                if (card.status.code() == ErrorCode::NotAnswering)
                    m_drives->state().NoteNotAnswering(card.root);
                done += card.status.ok() ? 1 : 0;
                const QString name =
                    Q(card.label.empty() ? card.root : card.label + " (" + card.root + ")");
                report +=
                    "\n" + (card.status
                                ? tr("%1: written").arg(name)
                                : tr("%1: not written - %2").arg(name, Q(card.status.message())));
            }
            // The cards are read again, for their lines and free space.
            m_drives->scan();
            const QString summary =
                tr("%1 written to %2 of %n cards at %3", nullptr, static_cast<int>(written.size()))
                    .arg(what, QString::number(done), QTime::currentTime().toString("HH:mm:ss"));
            m_card->setStatus(summary);
            ShowMessage(this, summary + ":\n" + report, "MARLIX");
            emit setFinished();
        });
}

bool MainWindow::confirmFormat(const SetTarget& to, const Result<CardContents>& contents) {
    const QString card =
        Q(PathToUtf8(to.root)) + (to.label.empty() ? "" : " (" + Q(to.label) + ")");
    const QString holds =
        contents ? tr("It holds %1.").arg(Q(CardContentsText(*contents, to.bytesInUse)))
                 : tr("What it holds could not be read: %1").arg(Q(contents.message()));
    enum { Write, Cancel };
    return AskQuestion(this,
                       tr("\"Format SD card\" is ticked: the camera erases everything on %1 "
                          "when it reads this camera.conf.\n\n%2\n\nWrite camera.conf with "
                          "format=true anyway?")
                           .arg(card, holds),
                       "MARLIX", {tr("Set and &Format"), tr("Cancel")}, Cancel, Cancel) == Write;
}

void MainWindow::startWrite(const SetTarget& to, const ProfileSelections& values) {
    auto built = BuildCameraConfNow(values);
    if (!built) {
        showError(Q(built.message()));
        return;
    }
    std::string bytes = std::move(*built);

    // A card that stops answering would hold this thread, and the window, for good: the write
    // runs on a thread of its own and is given up at its deadline.
    m_card->setStatus(tr("Writing camera.conf to %1...").arg(Q(PathToUtf8(to.root))));
    m_drives->setWritingRoot(to.cardRoot);
    struct Written {
        Status status = Status::success();
        CameraConfBefore before;
    };
    runOnWorker<Written>(
        [to, bytes](const auto& started) {
            Written written;
            written.status = WriteCameraConf(to.root, bytes, to.device, started, &written.before);
            return written;
        },
        [this, to, bytes](Written written) {
            onCameraConfWritten(written.status, to, bytes, written.before);
        });
}

void MainWindow::onCameraConfWritten(const Status& status, const SetTarget& to,
                                     const std::string& bytes, const CameraConfBefore& before) {
    if (status.code() == ErrorCode::NotAnswering && !to.cardRoot.empty())
        m_drives->state().NoteNotAnswering(to.cardRoot);
    m_drives->setWritingRoot({});
    if (status.code() == ErrorCode::DriveGone) {
        reportCardGone(PathToUtf8(to.root));
    } else if (!status) {
        m_card->setStatus(QString());
        showError(Q(status.message()));
    } else {
        const QString where =
            to.cardRoot.empty()
                ? Q(PathToUtf8(to.root))
                : tr("the card %1")
                      .arg(Q(to.label.empty() ? to.cardRoot : to.label + " (" + to.cardRoot + ")"));
        QList<NoteAction> actions;
        // What the card held before, when it was something else, can be put back.
        if (before.restorable && before.bytes != bytes) {
            actions.append(
                {tr("Undo"), tr("Put back the camera.conf that %1 held before").arg(where),
                 [this, to, bytes, previous = before.bytes] { undoWrite(to, previous, bytes); }});
        }
        m_card->setStatus(tr("%1 written to %2 at %3")
                              .arg(to.what, where, QTime::currentTime().toString("HH:mm:ss")),
                          actions);
        if (!to.cardRoot.empty())
            m_card->cardWritten(to.cardRoot, bytes);
    }
    emit setFinished();
}

void MainWindow::undoWrite(const SetTarget& to, const std::optional<std::string>& previous,
                           const std::string& written) {
    if (writing())
        return;
    m_card->setStatus(
        tr("Putting back the earlier camera.conf of %1...").arg(Q(PathToUtf8(to.root))));
    m_drives->setWritingRoot(to.cardRoot);
    runOnWorker<Status>(
        [to, previous, written](const auto& started) {
            return RestoreCameraConf(to.root, previous, written, to.device, started);
        },
        [this, to, previous](Status status) {
            if (status.code() == ErrorCode::NotAnswering && !to.cardRoot.empty())
                m_drives->state().NoteNotAnswering(to.cardRoot);
            m_drives->setWritingRoot({});
            if (!status) {
                m_card->setStatus(QString());
                showError(
                    tr("The earlier camera.conf was not put back: %1").arg(Q(status.message())));
            } else {
                m_card->setStatus((previous ? tr("The earlier camera.conf is back on %1")
                                            : tr("camera.conf removed again from %1"))
                                      .arg(Q(PathToUtf8(to.root))));
                if (!to.cardRoot.empty())
                    m_card->cardWritten(to.cardRoot, previous.value_or(std::string()));
            }
            emit setFinished();
        });
}

void MainWindow::reportCardGone(const std::string& root) {
    m_drives->scan();
    showError(tr("The card %1 is gone: it was taken out or unmounted. camera.conf was not "
                 "written.\n\nAttach the card again and choose it in the device list.")
                  .arg(Q(root)));
}

// ---- messages -----------------------------------------------------------------------------

void MainWindow::showError(const QString& message) {
    ShowMessage(this, message, "MARLIX");
}

}  // namespace marlix
