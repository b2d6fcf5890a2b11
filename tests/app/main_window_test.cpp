// The main window driven as the user drives it, on the offscreen platform, each case in a fresh
// working directory with a fake drive standing in for the camera's card.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>
#include <memory>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

#include "core/export/camera_conf.h"
#include "gui/app/main_window.h"
#include "gui/devices/media_actions.h"
#include "gui/layout/message_box.h"
#include "gui/resources/resource_ids.h"
#include "gui/resources/resources.h"
#include "tests/support/dialog_probe.h"
#ifdef __linux__
#include "tests/support/stalling_card.h"
#endif

using namespace marlix;
using marlix::test_support::Button;

namespace {

class FakeVolumes : public VolumeSource {
public:
    Result<std::vector<DriveInfo>> ListRemovableDrives() override {
        ++scans;
        return drives;
    }
    // Runs in a child process: what it does is seen only through what it tells.
    void ProbeDrive(DriveInfo& drive) override {
        if (drive.root == hangs) {
            for (;;) std::this_thread::sleep_for(std::chrono::hours(1));  // stopped answering
        }
        drive.rootDevice = deviceOf(drive.root) + (drive.root == elsewhere ? 1 : 0);
    }
    bool StillMounted(const DriveInfo& drive) override { return drive.root != unmounted; }
    bool IsRemovableDevice(std::uint64_t device) override { return device != 0; }

    static std::uint64_t deviceOf(const std::string& path) {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0 ? st.st_dev : 0;
    }

    std::vector<DriveInfo> drives;
    int scans = 0;
    std::string hangs;      // the root whose probe never returns
    std::string unmounted;  // the root that the mount table no longer has
    std::string elsewhere;  // the root whose files are on another device than its folder
};

// The system's mount and eject, answered as the test says, a moment later as the system would.
class FakeMedia : public MediaActions {
public:
    bool CanMount() const override { return available; }
    bool CanEject() const override { return available; }
    std::vector<UnmountedCard> Unmounted() const override { return unmounted; }
    void Mount(const UnmountedCard& card, Done done) override {
        calls << QString::fromStdString("mount " + card.device);
        answerLater(std::move(done));
    }
    void Eject(const DriveInfo& drive, Done done) override {
        calls << QString::fromStdString("eject " + drive.root);
        answerLater(std::move(done));
    }
    void answerLater(Done done) {
        QTimer::singleShot(0, this, [this, done = std::move(done)] {
            if (beforeAnswer)
                beforeAnswer();
            done(answer);
        });
    }

    bool available = true;
    std::vector<UnmountedCard> unmounted;
    Result<std::string> answer = std::string();
    std::function<void()> beforeAnswer;  // what the system did meanwhile
    QStringList calls;
};

struct Message {
    QString text;
    QString caption;
};

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_card;
    std::unique_ptr<MainWindow> m_dlg;
    FakeVolumes* m_volumes = nullptr;
    std::shared_ptr<FakeMedia> m_media;
    QList<Message> m_messages;
    QString m_typedName;
    bool m_cancelNew = false;
    bool m_typeByKeys = false;  // New Profile gets its name and its OK from the keyboard
    bool m_nameFieldFocused = false;
    QList<int> m_modalTemplates;  // every modal dialog run, by template
    QString m_savedCwd;

    // The window over the given drives, made but not shown yet.
    void create(std::unique_ptr<FakeVolumes> volumes) {
        m_volumes = volumes.get();
        MainWindow::Options options;
        options.volumes = std::move(volumes);
        options.watchDevices = false;
        m_media = std::make_shared<FakeMedia>();
        options.media = m_media;
        m_dlg = std::make_unique<MainWindow>(std::move(options));
        QVERIFY(m_dlg->build(nullptr));
    }

    void start(bool withCard = true) {
        auto volumes = std::make_unique<FakeVolumes>();
        if (withCard) {
            volumes->drives.push_back(DriveInfo{(m_card->path() + "/").toStdString(), "CARD", true,
                                                1ull << 30, 1ull << 29});
        }
        create(std::move(volumes));
        // A first run makes cfg.ini once the window is up.
        m_dlg->show();
        QTRY_VERIFY_WITH_TIMEOUT(!m_dlg->ProfileFilePending(), 10000);
        waitForDrives();
    }

    // What a right click on the row offers, and the action by its text.
    QStringList menuOf(int row, QMenu& menu) {
        m_dlg->card().fillMenu(menu, row);
        QStringList texts;
        for (QAction* action : menu.actions()) {
            if (!action->isSeparator())
                texts << action->text().remove('&');
        }
        return texts;
    }
    void trigger(int row, const QString& text) {
        QMenu menu;
        menuOf(row, menu);
        for (QAction* action : menu.actions()) {
            if (action->text().remove('&') == text) {
                QVERIFY(action->isEnabled());
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable("no " + text + " for row " + QString::number(row)));
    }
    QString noteTip() const { return m_dlg->findChild<QLabel*>("statusNote")->toolTip(); }
    void writeCard(const QByteArray& bytes) {
        QFile file(m_card->filePath("camera.conf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Set, and its write's outcome: the write runs away from the window's thread.
    void set() {
        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        m_dlg->OnSet();
        if (m_dlg->Writing())
            QVERIFY(finished.wait(30000));
    }

    // The drives answer in the background; the list has their texts once they have.
    void waitForDrives() { QTRY_VERIFY_WITH_TIMEOUT(!m_dlg->DrivesBeingProbed(), 10000); }

    void deviceChange(unsigned code) {
        m_dlg->drives().deviceChange(code);
        waitForDrives();
    }

    QString cfgPath() const { return m_dir->filePath("cfg.ini"); }

    // cfg.ini as text. The Windows build gives a new file CR LF line ends (checked byte for byte
    // in the first-run case); the lines are what the other cases compare.
    QByteArray cfgText() const {
        QByteArray text = readFile(cfgPath());
#ifdef _WIN32
        text.replace("\r\n", "\n");
#endif
        return text;
    }

    // New Profile with the name typed into the dialog.
    void newProfile(const QString& name) {
        m_typedName = name;
        m_dlg->profiles().createProfile();
    }

    void selectProfile(int row) {
        m_dlg->control<ChoiceListWidget>(kIdcProfileList)->setChoice(row);
        m_dlg->profiles().chooseProfile();
    }

    QStringList listItems() const {
        QStringList items;
        for (int i = 0; i < m_dlg->control<ChoiceListWidget>(kIdcProfileList)->count(); ++i) {
            items << m_dlg->control<ChoiceListWidget>(kIdcProfileList)->item(i)->text();
        }
        return items;
    }

    void clearClockBox() {
        auto* clock = Button(m_dlg->pages().ensurePage(Page::System), kIdcSyncClock);
        QVERIFY(clock);
        if (clock->isChecked())
            clock->click();
    }

private slots:
    void init() {
        m_savedCwd = QDir::currentPath();
        m_dir = std::make_unique<QTemporaryDir>();
        m_card = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid() && m_card->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_messages.clear();
        m_cancelNew = false;
        m_typeByKeys = false;
        SetMessageBoxHook([this](const QString& text, const QString& caption) {
            m_messages.append({text, caption});
            return QDialog::Accepted;
        });
        m_modalTemplates.clear();
        TemplateDialog::SetModalHook([this](TemplateDialog& dialog) -> int {
            m_modalTemplates.append(dialog.templateId());
            if (dialog.templateId() != kIddNewProfile)
                return QDialog::Rejected;
            if (m_cancelNew) {
                dialog.reject();
                return QDialog::Rejected;
            }
            auto* edit = qobject_cast<QLineEdit*>(dialog.control(kIdcProfileName));
            m_nameFieldFocused = edit != nullptr && dialog.focusWidget() == edit;
            if (m_typeByKeys && edit) {
                QTest::keyClicks(edit, m_typedName);
                QTest::keyClick(edit, Qt::Key_Return);  // the default button
                return dialog.result();
            }
            if (edit)
                edit->setText(m_typedName);
            dialog.accept();
            return QDialog::Accepted;
        });
        MainWindow::SetFolderPrompt(nullptr);
    }

    void cleanup() {
        m_dlg.reset();
        SetMessageBoxHook(nullptr);
        TemplateDialog::SetModalHook(nullptr);
        MainWindow::SetFolderPrompt(nullptr);
        QDir::setCurrent(m_savedCwd);
    }

    void firstRunCreatesTheDefaultProfileAndShowsIt() {
        start();
        QCOMPARE(m_dlg->windowTitle(), QString("MARLIX"));
        QCOMPARE(cfgText(), readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini"));
#ifdef _WIN32
        QCOMPARE(readFile(cfgPath()),
                 readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini").replace("\n", "\r\n"));
#endif
        QCOMPARE(listItems(), QStringList{"default"});
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 0);
        QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-default"));
        // The pages show the defaults: Mode 1 "1920x1080P 60" is position 1.
        QVERIFY(Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[1])->isChecked());
        QVERIFY(Button(m_dlg->pages().ensurePage(Page::System), kIdcSyncClock)->isChecked());
        QCOMPARE(m_dlg->pages().read(), DefaultSelections());
        // The device row of the card is listed and is the target.
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 1);
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 1), QString("CARD"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 2),
                 QString("512 MB/1024 MB(0 G/1 G)"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 3),
                 QString("No infomation"));  // as shipped
        QCOMPARE(m_dlg->drives().targetRoot(), (m_card->path() + "/").toStdString());
        QVERIFY(m_messages.isEmpty());
    }

    // A first run shows the defaults at once and makes cfg.ini once the window is up, or first
    // thing when a profile command comes earlier; a file another program made meanwhile wins.
    void firstRunMakesCfgIniOnceTheWindowIsUp() {
        for (bool commandFirst : {false, true}) {
            QFile::remove(cfgPath());
            create(std::make_unique<FakeVolumes>());
            QVERIFY(m_dlg->ProfileFilePending());
            QVERIFY(!QFile::exists(cfgPath()));
            QCOMPARE(listItems(), QStringList{"default"});
            QCOMPARE(m_dlg->pages().read(), DefaultSelections());
            if (commandFirst) {
                m_dlg->profiles().saveProfile();
                QCOMPARE(cfgText(), readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini"));
            } else {
                QFile other(cfgPath());
                QVERIFY(other.open(QIODevice::WriteOnly));
                other.write("[profile-other]\nmode_1=1600x1200p 30\n");
                other.close();
                m_dlg->show();
                QTRY_VERIFY_WITH_TIMEOUT(!m_dlg->ProfileFilePending(), 10000);
                QCOMPARE(listItems(), QStringList{"other"});
                QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 4);
            }
            QVERIFY(!m_dlg->ProfileFilePending());
        }
    }

#ifndef _WIN32
    // Windows keeps the working directory of a program within MAX_PATH, and a folder in use as
    // one cannot be removed; these two cases are for the other systems.
    void aLongWorkingDirectoryHoldsCfgIni() {
        // Far beyond the 260 characters a fixed buffer would hold.
        QString deep = m_dir->path();
        for (int i = 0; i < 12; ++i) deep += "/a-rather-long-folder-name-" + QString::number(i);
        QVERIFY(QDir().mkpath(deep));
        QVERIFY(deep.size() > 300);
        QVERIFY(QDir::setCurrent(deep));
        start();
        QCOMPARE(readFile(deep + "/cfg.ini"),
                 readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini"));
        QVERIFY(m_messages.isEmpty());
    }

    void aVanishedWorkingDirectoryIsReportedAndNothingStarts() {
        const QString gone = m_dir->filePath("gone");
        QVERIFY(QDir().mkdir(gone));
        QVERIFY(QDir::setCurrent(gone));
        QVERIFY(QDir().rmdir(gone));
        auto volumes = std::make_unique<FakeVolumes>();
        MainWindow::Options options;
        options.volumes = std::move(volumes);
        options.watchDevices = false;
        options.media = std::make_shared<FakeMedia>();
        MainWindow dialog(std::move(options));
        QCOMPARE(dialog.runModal(), QDialog::Rejected);  // ends before any window is shown
        QVERIFY(!dialog.StartedUp());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("working directory"));
        QCOMPARE(dialog.control<ChoiceListWidget>(kIdcProfileList)->count(), 0);
        QVERIFY(m_modalTemplates.isEmpty());  // the modal loop never ran
    }
#endif

    void escapeAndEnterEndTheWindowWithoutWriting() {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            start();
            Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])
                ->click();  // an unsaved change
            const QByteArray file = cfgText();
            m_dlg->show();
            m_dlg->control<ChoiceListWidget>(kIdcProfileList)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(m_dlg->control<ChoiceListWidget>(kIdcProfileList), key);
            QVERIFY(!m_dlg->isVisible());
            QCOMPARE(cfgText(), file);
            m_dlg.reset();
        }
    }

    void clicksReachTheirCommands() {
        start();
        clearClockBox();
        m_dlg->show();
        auto click = [&](int id) {
            QWidget* control = m_dlg->control(id);
            QVERIFY(control);
            QTest::mouseClick(control, Qt::LeftButton);
        };
        auto clickRow = [](QAbstractItemView* view, const QModelIndex& index,
                           Qt::KeyboardModifiers modifiers = {}) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                              view->visualRect(index).center());
        };

        m_typedName = "Clicked";
        click(kIdcNewProfile);
        QCOMPARE(listItems(), (QStringList{"default", "Clicked"}));

        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[3])->click();
        click(kIdcSaveProfile);
        QVERIFY(cfgText().contains("[profile-Clicked]\nmode_1=1600x1200p 60\n"));

        ChoiceListWidget* list = m_dlg->control<ChoiceListWidget>(kIdcProfileList);
        clickRow(list, list->model()->index(0, 0));
        QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-default"));
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 1);
        // Ctrl+click cannot leave the list without a chosen profile.
        clickRow(list, list->model()->index(0, 0), Qt::ControlModifier);
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 0);

        click(kIdcDelProfile);
        QCOMPARE(listItems(), QStringList{"Clicked"});

        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        click(kIdcSet);
        QVERIFY(finished.wait(30000));
        QCOMPARE(readFile(m_card->filePath("camera.conf")).size(), 463);

        QTabBar* tabs = m_dlg->control<TabControlWidget>(kIdcTab)->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
        QVERIFY(m_dlg->pages().page<ImagePage>().isVisible());
        QVERIFY(!m_dlg->pages().page<ModePage>().isVisible());

        // The About entry sits in the window's context menu, on F1.
        QCOMPARE(m_dlg->contextMenuPolicy(), Qt::ActionsContextMenu);
        QAction* about = nullptr;
        for (QAction* action : m_dlg->actions()) {
            if (action->text() == "&About Marlix...")
                about = action;
        }
        QVERIFY(about);
        QCOMPARE(about->shortcut(), QKeySequence(Qt::Key_F1));
        about->trigger();
        QCOMPARE(m_modalTemplates.count(kIddAboutBox), 1);
    }

    // Every command without a mouse: Tab reaches each control, and the keys a user would press
    // there do the work; every radio group, slider and check box of every page takes its keys.
    void everyCommandWorksFromTheKeyboard() {
        QTemporaryDir second;
        start();
        m_volumes->drives.push_back(
            DriveInfo{(second.path() + "/").toStdString(), "B", true, 1ull << 30, 1ull << 29});
        std::sort(m_volumes->drives.begin(), m_volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        deviceChange(0x8000);
        m_dlg->show();
        QApplication::setActiveWindow(m_dlg.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
        auto press = [](int key, Qt::KeyboardModifiers modifiers = {}) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
        };
        // Tab until the control has the focus; each control is one of the stops.
        auto reach = [&](QWidget* control) {
            for (int i = 0; i < 300 && !control->hasFocus(); ++i) press(Qt::Key_Tab);
            QVERIFY2(control->hasFocus(), qPrintable(control->accessibleName()));
        };

        // A card: the other one.
        reach(m_dlg->control<ReportViewWidget>(kIdcDeviceList));
        press(Qt::Key_Down);
        QCOMPARE(m_dlg->drives().targetRoot(), m_volumes->drives[1].root);

        // New Profile, named and confirmed with keys.
        m_typeByKeys = true;
        m_typedName = "Keys";
        reach(m_dlg->control(kIdcNewProfile));
        press(Qt::Key_Space);
        QCOMPARE(listItems(), (QStringList{"default", "Keys"}));

        // A profile: back to "default", then to "Keys" again.
        reach(m_dlg->control<ChoiceListWidget>(kIdcProfileList));
        press(Qt::Key_Up);
        QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-default"));
        press(Qt::Key_Down);
        QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-Keys"));

        // Each tab in turn, and on its page every stop: a radio group moves on with an arrow,
        // a slider with an arrow, a check box with Space.
        const ProfileSelections before = m_dlg->pages().read();
        int groups = 0, sliders = 0, boxes = 0;
        for (int tab = 0; tab < 5; ++tab) {
            reach(m_dlg->control<TabControlWidget>(kIdcTab));
            if (tab > 0)
                press(Qt::Key_Right);
            QCOMPARE(m_dlg->control<TabControlWidget>(kIdcTab)->currentIndex(), tab);
            TemplateDialog* page = &m_dlg->pages().ensurePage(static_cast<Page>(tab));
            QVERIFY(page->isVisible());
            press(Qt::Key_Tab);
            for (QWidget* focus = QApplication::focusWidget(); page->isAncestorOf(focus);
                 focus = QApplication::focusWidget()) {
                if (auto* slider = qobject_cast<QSlider*>(focus)) {
                    const int was = slider->value();
                    press(was < slider->maximum() ? Qt::Key_Right : Qt::Key_Left);
                    QVERIFY(slider->value() != was);
                    ++sliders;
                } else if (auto* box = qobject_cast<QCheckBox*>(focus)) {
                    const bool was = box->isChecked();
                    press(Qt::Key_Space);
                    QCOMPARE(box->isChecked(), !was);
                    ++boxes;
                } else if (auto* radio = qobject_cast<QRadioButton*>(focus)) {
                    // The arrows walk every button of the group's run, a check box in it too.
                    press(Qt::Key_Down);
                    if (!qobject_cast<QRadioButton*>(QApplication::focusWidget()))
                        press(Qt::Key_Down);
                    auto* moved = qobject_cast<QRadioButton*>(QApplication::focusWidget());
                    QVERIFY2(moved && moved != radio && moved->isChecked(),
                             qPrintable(radio->accessibleName()));
                    ++groups;
                    if (radio->accessibleName().startsWith("Auto Shoot")) {
                        // Off again, or it would grey out the Burst group that follows.
                        for (int i = 0; i < 8 && !Button(m_dlg->pages().page<PhotoPage>(),
                                                         kIdcAutoShootButtons[0])
                                                      ->isChecked();
                             ++i) {
                            press(Qt::Key_Up);
                        }
                    }
                }
                press(Qt::Key_Tab);
            }
        }
        QCOMPARE(groups, 24);
        QCOMPARE(sliders, 3);
        QCOMPARE(boxes, 2);
        QVERIFY(m_dlg->pages().read() != before);

        reach(m_dlg->control(kIdcSaveProfile));
        press(Qt::Key_Space);
        ProfileStore stored(cfgPath().toStdString());
        ProfileSelections saved;
        QVERIFY(stored.OpenReadOnly(saved).ok());
        ProfileSelections shown = m_dlg->pages().fields();
        shown.photo.m_photoInterlock = 0;  // the last clicks, not a setting
        QCOMPARE(stored.LoadProfileAt(1).value(), shown);

        reach(m_dlg->control(kIdcSet));
        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        press(Qt::Key_Return);
        QVERIFY(finished.wait(30000));
        // Once the event loop has run, the offscreen platform no longer has the window active
        // (with or without a Set): it is made so again, as at the start.
        QApplication::setActiveWindow(m_dlg.get());
        QVERIFY(QFile::exists(QString::fromStdString(m_volumes->drives[1].root + "camera.conf")));

        reach(m_dlg->control(kIdcDelProfile));
        press(Qt::Key_Space);
        QCOMPARE(listItems(), QStringList{"default"});

        press(Qt::Key_F1);
        QCOMPARE(m_modalTemplates.count(kIddAboutBox), 1);
        press(Qt::Key_Escape);
        QVERIFY(!m_dlg->isVisible());
    }

    void theChosenCardStaysChosen() {
        QTemporaryDir second;
        start();
        m_volumes->drives.push_back(
            DriveInfo{(second.path() + "/").toStdString(), "B", false, 0, 0});
        std::sort(m_volumes->drives.begin(), m_volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        deviceChange(0x8000);
        m_dlg->show();
        ReportViewWidget* view = m_dlg->control<ReportViewWidget>(kIdcDeviceList);
        QCOMPARE(m_dlg->drives().targetRoot(), m_volumes->drives[0].root);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(1, 1)).center());
        QCOMPARE(m_dlg->drives().targetRoot(), m_volumes->drives[1].root);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          view->visualRect(view->model()->index(1, 1)).center());
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->chosenRow(), 1);
        QCOMPARE(m_dlg->drives().targetRoot(), m_volumes->drives[1].root);
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->item(1, 0)->toolTip(),
                 QString::fromStdString(m_volumes->drives[1].root));
    }

    // Three cards bring the vertical scroll bar; the columns still fit beside it, and each row
    // keeps to one line however its card's texts break.
    void threeCardsFitTheListOneLineEach() {
        QTemporaryDir second, third;
        QFile version(third.filePath("version.txt"));
        QVERIFY(version.open(QIODevice::WriteOnly));
        version.write("<b>FW</b> 2.0\r\nmodel\n");
        version.close();
        start();
        for (const QTemporaryDir* card : {&second, &third}) {
            m_volumes->drives.push_back(
                DriveInfo{(card->path() + "/").toStdString(), "LINE\nBREAK", false, 0, 0});
        }
        std::sort(m_volumes->drives.begin(), m_volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        deviceChange(0x8000);
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
        ReportViewWidget* view = m_dlg->control<ReportViewWidget>(kIdcDeviceList);
        QCOMPARE(view->rowCount(), 3);
        QVERIFY(view->verticalScrollBar()->isVisible());
        QVERIFY(!view->horizontalScrollBar()->isVisible());
        const auto row =
            static_cast<int>(std::find_if(m_volumes->drives.begin(), m_volumes->drives.end(),
                                          [&](const DriveInfo& d) {
                                              return d.root == third.path().toStdString() + "/";
                                          }) -
                             m_volumes->drives.begin());
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(row, 1),
                 QString("LINE BREAK"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(row, 3),
                 QString("<b>FW</b> 2.0  model "));
        QCOMPARE(view->item(row, 1)->toolTip(), QString("LINE\nBREAK"));
        // Shown as the card holds it, not as markup.
        QVERIFY(view->item(row, 3)->toolTip().contains("&lt;b&gt;FW&lt;/b&gt;"));
    }

    void newProfileTakesThePagesAndRefusesBadNames() {
        start();
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])
            ->click();  // Mode 1 "1600x1200P 30", position 4
        newProfile("Night");
        QCOMPARE(listItems(), (QStringList{"default", "Night"}));
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 1);
        QVERIFY(m_nameFieldFocused);
        QVERIFY(cfgText().contains("[profile-Night]\nmode_1=1600x1200p 30\n"));
        QVERIFY(Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])
                    ->isChecked());  // pages unchanged

        const QByteArray file = cfgText();
        struct Refused {
            QString name;
            QString message;  // a part of what the user is told
        };
        const QList<Refused> refused = {
            {"Night", "This name has be used !"},  // as shipped
            {"NIGHT", "This name has be used !"},
            {"", "name"},
            {"   ", "name"},
            {" lead", "space"},
            {"a[b", "["},
            {"two\nlines", "line"},
        };
        for (const Refused& r : refused) {
            m_messages.clear();
            newProfile(r.name);
            QCOMPARE(m_messages.size(), 1);
            QVERIFY2(m_messages[0].text.contains(r.message, Qt::CaseInsensitive),
                     qPrintable(r.name + " -> " + m_messages[0].text));
            QCOMPARE(m_messages[0].caption, QString("Notify"));
            QCOMPARE(listItems(), (QStringList{"default", "Night"}));
            QCOMPARE(cfgText(), file);
        }
        m_messages.clear();
        m_cancelNew = true;
        newProfile("Cancelled");
        QCOMPARE(listItems(), (QStringList{"default", "Night"}));
        QVERIFY(m_messages.isEmpty());
    }

    void selectionLoadsTheProfileIntoThePages() {
        start();
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])->click();
        newProfile("Night");
        selectProfile(0);
        QVERIFY(Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[1])->isChecked());
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 1);
        // Unsaved changes are dropped by a selection change; saved ones come back.
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[2])->click();
        selectProfile(1);
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 4);
        selectProfile(0);
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 1);
    }

    void saveWritesThePagesAndTwiceChangesNothing() {
        start();
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[2])->click();
        m_dlg->profiles().saveProfile();
        const QByteArray once = cfgText();
        QVERIFY(once.contains("mode_1=1920x1080p 30\n"));
        m_dlg->profiles().saveProfile();
        QCOMPARE(cfgText(), once);
    }

    void deleteMovesToTheNeighbourAndLoadsIt() {
        start();
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[0])->click();
        newProfile("A");
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[2])->click();
        newProfile("B");
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[3])->click();
        newProfile("C");

        selectProfile(2);  // B, in the middle
        m_dlg->profiles().deleteProfile();
        QCOMPARE(listItems(), (QStringList{"default", "A", "C"}));
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 2);
        QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-C"));
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 3);
        QVERIFY(!cfgText().contains("[profile-B]"));

        m_dlg->profiles().deleteProfile();  // C, the last: the one before it takes over
        QCOMPARE(listItems(), (QStringList{"default", "A"}));
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), 1);
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 0);

        // Saving now writes A, the profile shown.
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[1])->click();
        m_dlg->profiles().saveProfile();
        QVERIFY(cfgText().contains("[profile-A]\nmode_1=1920x1080p 60\n"));
    }

    void deletingTheOnlyProfileLeavesAnEmptyList() {
        start();
        m_dlg->profiles().deleteProfile();
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->count(), 0);
        QCOMPARE(m_dlg->control<ChoiceListWidget>(kIdcProfileList)->choice(), -1);
        const QByteArray file = cfgText();
        QVERIFY(!file.contains("[profile-"));
        QVERIFY(file.contains("[basic]"));
        // Nothing is selected: Del and Save do nothing.
        m_dlg->profiles().deleteProfile();
        m_dlg->profiles().saveProfile();
        QCOMPARE(cfgText(), file);
        // New still works from what the pages show.
        newProfile("again");
        QCOMPARE(listItems(), QStringList{"again"});
        QVERIFY(cfgText().contains("[profile-again]\nmode_1=1920x1080p 60\n"));
    }

    void failedWritesChangeNothingAndSayWhy() {
        start();
        QVERIFY(QFile::remove(cfgPath()));
        QVERIFY(QDir(m_dir->path()).mkdir("cfg.ini"));  // unreadable and unwritable as a file
        newProfile("Night");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("cfg.ini"));
        QCOMPARE(listItems(), QStringList{"default"});
        QCOMPARE(m_dlg->profiles().store().currentSection(), std::string("profile-default"));
        m_messages.clear();
        m_dlg->profiles().saveProfile();
        QCOMPARE(m_messages.size(), 1);
    }

    void setWritesTheDefaultFileOntoTheCard() {
        start();
        clearClockBox();
        set();
        QVERIFY(m_messages.isEmpty());
        const QByteArray written = readFile(m_card->filePath("camera.conf"));
        QCOMPARE(written.size(), 463);
        QCOMPARE(written, readFile(MARLIX_TEST_DATA "/export/default_camera.conf"));
        QVERIFY(m_dlg->StatusText().contains("camera.conf written"));
        // Nothing else on the card, and cfg.ini untouched by "Set".
        QCOMPARE(QDir(m_card->path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QCOMPARE(cfgText(), readFile(MARLIX_TEST_DATA "/profiles/first_run_cfg.ini"));
    }

    void setAddsTheClockLine() {
        start();
        set();
        const QByteArray written = readFile(m_card->filePath("camera.conf"));
        QCOMPARE(written.size(), 463 + 32);
        const QByteArray last = written.mid(463);
        QVERIFY2(QRegularExpression("^sync_clock=\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\r\n$")
                     .match(QString::fromLatin1(last))
                     .hasMatch(),
                 last.constData());
    }

    void setResolvesBurstAndAutoShootByTheLastChoice() {
        start();
        clearClockBox();
        m_dlg->pages().ensurePage(Page::Photo);
        PhotoPage& photo = m_dlg->pages().page<PhotoPage>();
        // The default profile holds auto shoot "3s"; choosing burst "5 P" last wins.
        Button(photo, kIdcPhotoBurstButtons[2])->click();
        set();
        QByteArray written = readFile(m_card->filePath("camera.conf"));
        QVERIFY2(written.contains("auto_shoot=off\r\nphoto_burst=5p\r\n"),
                 qPrintable(m_dlg->StatusText() + " | " + written + " | " +
                            (m_messages.isEmpty() ? QString() : m_messages[0].text)));
        // Saving keeps both choices as they stand.
        m_dlg->profiles().saveProfile();
        QVERIFY(cfgText().contains("auto_shoot=3s\nphoto_stamp=off\nphoto_burst=5p\n"));
        // Burst back off: auto shoot is written again.
        Button(photo, kIdcPhotoBurstButtons[0])->click();
        set();
        written = readFile(m_card->filePath("camera.conf"));
        QVERIFY(written.contains("auto_shoot=3s\r\nphoto_burst=off\r\n"));
        // Auto shoot "10 Seconds" chosen last while burst holds "3p" (loaded, not clicked).
        Button(photo, kIdcAutoShootButtons[5])->click();
        photo.m_photoBurst = 1;
        photo.showFields();
        set();
        written = readFile(m_card->filePath("camera.conf"));
        QVERIFY(written.contains("auto_shoot=10s\r\nphoto_burst=off\r\n"));
    }

    void setWithoutACameraAsksForAFolder() {
        start(false);
        clearClockBox();
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 0);
        QVERIFY(m_dlg->drives().targetRoot().empty());
        int asked = 0;
        MainWindow::SetFolderPrompt([&](QWidget*) {
            ++asked;
            return std::optional<std::filesystem::path>();
        });
        set();
        QCOMPARE(asked, 1);
        QVERIFY(!QFile::exists(m_dir->filePath("camera.conf")));
        QVERIFY(!QFile::exists(m_card->filePath("camera.conf")));

        MainWindow::SetFolderPrompt([&](QWidget*) {
            return std::optional<std::filesystem::path>(m_card->path().toStdString());
        });
        set();
        QCOMPARE(readFile(m_card->filePath("camera.conf")).size(), 463);
    }

    void setReportsAFailedWrite() {
        start();
        clearClockBox();
        QVERIFY(QDir(m_card->path()).removeRecursively());  // the card is pulled out
        set();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("camera.conf"));
        QVERIFY(!m_dlg->StatusText().contains("written"));
    }

    void aCardThatNeverAnswersHoldsNothingUpAndIsNotWritten() {
        QTemporaryDir stuck;
        const std::string stuckRoot = (stuck.path() + "/").toStdString();
        auto volumes = std::make_unique<FakeVolumes>();
        volumes->drives = {
            DriveInfo{(m_card->path() + "/").toStdString(), "CARD", true, 1ull << 30, 1ull << 29},
            DriveInfo{stuckRoot, "STUCK", false, 0, 0}};
        std::sort(volumes->drives.begin(), volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        volumes->hangs = stuckRoot;
        create(std::move(volumes));
        // Both cards are listed on the window's first turn, while the stuck one is still asked.
        QTRY_COMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 2);
        const int stuckRow = m_volumes->drives[0].root == stuckRoot ? 0 : 1;
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(stuckRow, 2),
                 QString("Reading..."));
        waitForDrives();
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(stuckRow, 1),
                 QString("STUCK"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(stuckRow, 2),
                 QString("Not answering"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(1 - stuckRow, 2),
                 QString("512 MB/1024 MB(0 G/1 G)"));

        m_dlg->control<ReportViewWidget>(kIdcDeviceList)->chooseRow(stuckRow);
        QCOMPARE(m_dlg->drives().targetRoot(), stuckRoot);
        QCOMPARE(m_dlg->card().cardLine().state, CardState::NotAnswering);
        QVERIFY(m_dlg->StatusText().contains("does not answer"));
        set();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("does not answer"));
        QVERIFY(!QFile::exists(stuck.filePath("camera.conf")));
        m_dlg->card().loadFromCard();
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages[1].text.contains("does not answer"));
    }

#ifdef __linux__
    // A card that answers its probe and then never a create (a failing card or reader): the
    // window goes on while Set waits for it, and says in the end that the card does not answer.
    void setOntoACardThatStopsAnsweringHoldsNothingUp() {
        test_support::StallingCard stalling(m_card->path().toStdString(),
                                            test_support::StallingCard::Stall::Create);
        if (!stalling.Mounted())
            QSKIP("mounting a FUSE file system needs root and /dev/fuse");
        start();
        clearClockBox();
        QSignalSpy finished(m_dlg.get(), &MainWindow::setFinished);
        m_dlg->OnSet();
        QVERIFY(m_dlg->Writing());
        QVERIFY2(m_dlg->StatusText().contains("Writing"), qPrintable(m_dlg->StatusText()));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 2),
                 QString("Writing..."));
        m_dlg->OnSet();  // not a second write meanwhile
        m_dlg->control<TabControlWidget>(kIdcTab)->setCurrentIndex(1);
        m_dlg->pages().showChosenTab();
        QVERIFY(m_dlg->pages().page<VideoPage>().isVisible());
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(
            m_messages[0].text.contains("does not answer; camera.conf may not have been written"),
            qPrintable(m_messages[0].text));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(0, 2),
                 QString("Not answering"));
        QVERIFY(!m_dlg->StatusText().contains("Writing"));
    }
#endif

    void theCardLineSetsTheCardAgainstThePages() {
        ProfileSelections other = DefaultSelections();
        other.mode.m_mode1 = 4;
        const std::string clock = "2026-01-02 03:04:05";
        const struct {
            const char* name;
            std::string file;
            CardState state;
            QString said;
        } cards[] = {
            {"matching", BuildCameraConf(DefaultSelections(), clock), CardState::Matches,
             "camera.conf matches the pages"},
            {"differing", BuildCameraConf(other, clock), CardState::Differs,
             "camera.conf differs in 1 setting."},
            {"broken", "enable_cfg=true\r\nmode_1=8K\r\n", CardState::Problems,
             "camera.conf has problems (line 2: \"8K\" is not an option"},
            {"none", "", CardState::NoFile, "The card has no camera.conf."},
        };
        for (const auto& c : cards) {
            QFile::remove(m_card->filePath("camera.conf"));
            if (!c.file.empty())
                writeCard(QByteArray::fromStdString(c.file));
            start();
            QVERIFY2(m_dlg->card().cardLine().state == c.state, qPrintable(m_dlg->StatusText()));
            QVERIFY2(m_dlg->StatusText().contains(c.said), qPrintable(m_dlg->StatusText()));
            if (c.state == CardState::Differs) {
                QVERIFY2(noteTip().contains("mode_1: 1600x1200p 30 -> 1920x1080p 60"),
                         qPrintable(noteTip()));
            }
            m_dlg.reset();
        }

        // The matching card: a click on a page makes it differ, Set makes it match again and
        // offers to eject it; ejecting takes its row away.
        writeCard(QByteArray::fromStdString(BuildCameraConf(DefaultSelections(), clock)));
        start();
        // A page made only when its tab is first chosen is watched like the others.
        TemplateDialog& system = m_dlg->pages().ensurePage(Page::System);
        Button(system, kIdcOsdButtons[0])->click();
        QTRY_COMPARE(m_dlg->card().cardLine().state, CardState::Differs);
        Button(system, kIdcOsdButtons[1])->click();
        QTRY_COMPARE(m_dlg->card().cardLine().state, CardState::Matches);
        Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])->click();
        QTRY_COMPARE(m_dlg->card().cardLine().state, CardState::Differs);
        QVERIFY(noteTip().contains("mode_1: 1920x1080p 60 -> 1600x1200p 30"));
        auto* eject = m_dlg->findChild<QPushButton*>("ejectOffer");
        QVERIFY(eject && eject->isHidden());
        set();
        QCOMPARE(m_dlg->card().cardLine().state, CardState::Matches);
        QVERIFY(m_dlg->StatusText().contains("camera.conf written"));
        QVERIFY(!eject->isHidden());
        m_media->beforeAnswer = [this] { m_volumes->drives.clear(); };
        eject->click();
        QTRY_VERIFY(!m_dlg->card().mediaBusy());
        waitForDrives();
        QCOMPARE(m_media->calls, QStringList{"eject " + m_card->path() + "/"});
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 0);
        QVERIFY2(m_dlg->StatusText().contains("can be taken out"), qPrintable(m_dlg->StatusText()));
        QVERIFY(m_messages.isEmpty());
    }

    void loadFromCardPutsTheCardsSettingsIntoThePages() {
        ProfileSelections card = DefaultSelections();
        card.mode.m_mode1 = 4;
        card.image.m_iso = *FindOption(Setting::ImageIso, "3200", OptionScope::Camera);
        card.system.m_syncClock = 0;
        writeCard(QByteArray::fromStdString(BuildCameraConf(card, "")));
        start();
        const QByteArray profiles = cfgText();
        trigger(0, "Load from Card");
        QCOMPARE(m_dlg->pages().page<ModePage>().m_mode1, 4);
        QVERIFY(Button(m_dlg->pages().page<ModePage>(), kIdcMode1Buttons[4])->isChecked());
        QCOMPARE(m_dlg->pages().page<SystemPage>().m_syncClock, 0);
        QVERIFY(!Button(m_dlg->pages().ensurePage(Page::System), kIdcSyncClock)->isChecked());
        QCOMPARE(m_dlg->pages().page<ImagePage>().m_iso,
                 0);  // no page shows 3200: the page keeps its own
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].text.contains("\nimage_iso=3200"), qPrintable(m_messages[0].text));
        QCOMPARE(cfgText(), profiles);  // no profile made or saved
        QCOMPARE(listItems(), QStringList{"default"});
        QVERIFY(m_dlg->StatusText().contains("Loaded the settings"));
        QCOMPARE(m_dlg->card().cardLine().details,
                 std::vector<std::string>{"image_iso: 3200 -> auto"});

        // A card whose file has problems loads nothing.
        m_dlg.reset();
        m_messages.clear();
        writeCard("enable_cfg=true\r\n");
        start();
        const ProfileSelections before = m_dlg->pages().read();
        m_dlg->card().loadFromCard();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("nothing was loaded"));
        QCOMPARE(m_dlg->pages().read(), before);
    }

    // A file of nearly a megabyte of empty lines has a million problems: the note's tooltip,
    // Show Differences and Load from Card name the first few and count the rest, so that no text
    // grows with the file (such a tooltip or message box froze the window for a minute).
    void aCardWithAMillionProblemsGivesShortTexts() {
        const int emptyLines = 1000000;
        writeCard("enable_cfg=true\n" + QByteArray(emptyLines, '\n'));
        start();
        QCOMPARE(m_dlg->card().cardLine().state, CardState::Problems);
        m_dlg->card().showDifferences();
        m_dlg->card().loadFromCard();
        QCOMPARE(m_messages.size(), 2);
        const std::size_t missingKeys = kCameraConfSettingCount;
        for (const QString& text : {noteTip(), m_messages[0].text, m_messages[1].text}) {
            QVERIFY2(text.count('\n') < 20, qPrintable(text.left(2000)));
            const auto shown = text.count(
                QRegularExpression("^line \\d+: empty line$", QRegularExpression::MultilineOption));
            QVERIFY2(shown > 0, qPrintable(text));
            const QString more =
                QString("and %1 more problems").arg(emptyLines + missingKeys - shown);
            QVERIFY2(text.endsWith(more), qPrintable(text.left(2000)));
        }
    }

    void unmountedCardsAreGreyedAndMountedOnRequest() {
        start();
        QMenu menu;
        QCOMPARE(menuOf(0, menu), (QStringList{"Load from Card", "Eject"}));
        m_media->unmounted = {{"/dev/sdz1", "CAM", 42}, {"/dev/sdy1", "SYSTEM", 0}};
        emit m_media->changed();
        // The system disk's file system (not a card, by the volume source) is not offered.
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 2);
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(1, 0),
                 QString("/dev/sdz1"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->cellText(1, 2),
                 QString("Not mounted"));
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->item(1, 0)->flags(),
                 Qt::ItemIsEnabled);

        // From the keyboard: the arrow takes the focus to it while the card above stays selected
        // and the target, and the menu key opens its menu, which offers Mount alone.
        // Refused: UDisks2's reason; then mounted: a row of its own, and the target.
        m_media->answer = Status::failure("Not authorized to perform operation");
        ReportViewWidget* view = m_dlg->control<ReportViewWidget>(kIdcDeviceList);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->currentIndex().row(), 1);
        QVERIFY(view->selectionModel()->isRowSelected(0, QModelIndex()));
        QVERIFY(!view->selectionModel()->isRowSelected(1, QModelIndex()));
        QCOMPARE(m_dlg->drives().targetRoot(), (m_card->path() + "/").toStdString());
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions()) offered << action->text().remove('&');
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::keyClick(view, Qt::Key_Menu);
        QCOMPARE(offered, QStringList{"Mount"});
        QTRY_VERIFY(!m_dlg->card().mediaBusy());
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text,
                 QString("Cannot mount /dev/sdz1: Not authorized to perform operation"));
        QTemporaryDir mountPoint;
        const std::string root = (mountPoint.path() + "/").toStdString();
        m_media->answer = mountPoint.path().toStdString();
        m_media->beforeAnswer = [&] {
            m_media->unmounted.clear();
            m_volumes->drives.push_back(DriveInfo{root, "CAM", false, 0, 0});
        };
        trigger(1, "Mount");
        QTRY_VERIFY(!m_dlg->card().mediaBusy());
        waitForDrives();
        QCOMPARE(m_media->calls, (QStringList{"mount /dev/sdz1", "mount /dev/sdz1"}));
        QCOMPARE(m_dlg->drives().targetRoot(), root);
        QVERIFY(
            m_dlg->StatusText().contains("Mounted /dev/sdz1 at " + QString::fromStdString(root)));

        // Without the service, neither action is offered.
        m_media->available = false;
        emit m_media->changed();
        QMenu bare;
        QCOMPARE(menuOf(0, bare), QStringList{"Load from Card"});
    }

    void setOntoACardUnmountedAMomentAgoWritesNothing() {
        // The card goes between the last scan and Set: first the mount table tells, then (the
        // table not read yet) only the folder's device does. Windows leaves no folder behind a
        // removed drive, so only the first applies there.
#ifdef _WIN32
        for (const bool tableTells : {true}) {
#else
        for (const bool tableTells : {true, false}) {
#endif
            start();
            clearClockBox();
            const std::string root = (m_card->path() + "/").toStdString();
            if (tableTells) {
                m_volumes->unmounted = root;
                m_volumes->drives.clear();
            } else {
                // The card's files were on another device than the folder is now.
                m_volumes->elsewhere = root;
                deviceChange(0x8000);
            }
            m_messages.clear();
            const int scans = m_volumes->scans;
            set();
            QVERIFY(!QFile::exists(m_card->filePath("camera.conf")));
            QCOMPARE(m_messages.size(), 1);
            QVERIFY2(m_messages[0].text.contains("is gone"), qPrintable(m_messages[0].text));
            QVERIFY(m_volumes->scans > scans);  // the list is brought up to date
            waitForDrives();
            if (tableTells)
                QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 0);
            m_dlg.reset();
        }
    }

    void deviceChangesRescanOnlyOnArrivalAndRemoval() {
        start();
        const int scans = m_volumes->scans;
        m_dlg->drives().deviceChange(0x8001);  // a removal query
        m_dlg->drives().deviceChange(0x8003);  // a removal pending
        m_dlg->drives().deviceChange(0x0007);  // a device-node change
        QCOMPARE(m_volumes->scans, scans);

        QTemporaryDir second;
        const std::string first = (m_card->path() + "/").toStdString();
        const std::string other = (second.path() + "/").toStdString();
        m_volumes->drives.push_back(DriveInfo{other, "B", false, 0, 0});
        std::sort(m_volumes->drives.begin(), m_volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        deviceChange(0x8000);
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 2);
        QCOMPARE(m_dlg->drives().targetRoot(), m_volumes->drives[0].root);

        // The user picks the other card; a rescan keeps it as the target.
        const int otherRow = m_volumes->drives[0].root == other ? 0 : 1;
        m_dlg->control<ReportViewWidget>(kIdcDeviceList)->chooseRow(otherRow);
        QCOMPARE(m_dlg->drives().targetRoot(), other);
        deviceChange(0x8000);
        QCOMPARE(m_dlg->drives().targetRoot(), other);

        // Both cards removed: the list empties and nothing is the target any more.
        m_volumes->drives.clear();
        deviceChange(0x8004);
        QCOMPARE(m_dlg->control<ReportViewWidget>(kIdcDeviceList)->rowCount(), 0);
        QVERIFY(m_dlg->drives().targetRoot().empty());
        Q_UNUSED(first);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
