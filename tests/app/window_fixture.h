// What the tests of the main window and its parts share: the window driven as the user drives
// it, on the offscreen platform, each case in a fresh working directory with a fake drive standing
// in for the camera's card, and the system's mount and eject answered as the test says.
#pragma once

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
#include "core/platform/text.h"
#include "gui/app/main_window.h"
#include "gui/devices/media_actions.h"
#include "gui/layout/message_box.h"
#include "gui/resources/resource_ids.h"
#include "gui/resources/resources.h"
#include "tests/support/dialog_probe.h"
#include "tests/support/text_diff.h"
#ifdef __linux__
#include "tests/support/stalling_card.h"
#endif

using namespace marlix;
using marlix::test_support::Button;

namespace window_test {

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

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}  // namespace window_test

using namespace window_test;

class WindowFixture {
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_card;
    std::unique_ptr<MainWindow> m_dlg;
    FakeVolumes* m_volumes = nullptr;
    std::shared_ptr<FakeMedia> m_media;
    QList<Message> m_messages;
    QStringList m_questions;  // every question asked, by its text
    QString m_answer;         // the button a question gets ("" for its default)
    QString m_typedName;
    bool m_cancelNew = false;
    bool m_typeByKeys = false;  // New Profile gets its name and its OK from the keyboard
    bool m_nameFieldFocused = false;
    int m_newProfileOpens = 0;    // New Profile dialogs opened by the last newProfile()
    QStringList m_reopenedWith;   // the selected text each reopened one showed; cancelled
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
        QTRY_VERIFY_WITH_TIMEOUT(!m_dlg->profileFilePending(), 10000);
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
        m_dlg->writeCameraConf();
        if (m_dlg->writing())
            QVERIFY(finished.wait(30000));
    }

    // The drives answer in the background; the list has their texts once they have.
    void waitForDrives() { QTRY_VERIFY_WITH_TIMEOUT(!m_dlg->drivesBeingProbed(), 10000); }

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
        m_newProfileOpens = 0;
        m_reopenedWith.clear();
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

    void setUpWindow() {
        m_savedCwd = QDir::currentPath();
        m_dir = std::make_unique<QTemporaryDir>();
        m_card = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid() && m_card->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_messages.clear();
        m_cancelNew = false;
        m_typeByKeys = false;
        m_newProfileOpens = 0;
        SetMessageBoxHook([this](const QString& text, const QString& caption) {
            m_messages.append({text, caption});
            return QDialog::Accepted;
        });
        m_questions.clear();
        m_answer.clear();
        SetQuestionHook([this](const QString& text, const QStringList& buttons, int preset) {
            m_questions.append(text);
            const int chosen = buttons.indexOf(m_answer);
            return chosen >= 0 ? chosen : preset;
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
            if (++m_newProfileOpens > 1) {  // back after a refused name: the user gives up
                m_reopenedWith.append(edit ? edit->selectedText() : QString());
                dialog.reject();
                return QDialog::Rejected;
            }
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
        MainWindow::setFolderPrompt(nullptr);
    }

    void tearDownWindow() {
        m_dlg.reset();
        SetMessageBoxHook(nullptr);
        SetQuestionHook(nullptr);
        TemplateDialog::SetModalHook(nullptr);
        MainWindow::setFolderPrompt(nullptr);
        QDir::setCurrent(m_savedCwd);
    }
};
