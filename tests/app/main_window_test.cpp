// The main window driven as the user drives it, on the offscreen platform, each case in a fresh
// working directory with a fake drive standing in for the camera's card.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/ctavrel_dlg.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

using namespace marlix;

namespace {

class FakeVolumes : public VolumeSource {
public:
    Result<std::vector<DriveInfo>> ListRemovableDrives() override {
        ++scans;
        return drives;
    }
    std::vector<DriveInfo> drives;
    int scans = 0;
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

QAbstractButton* button(CDialog& page, int id) {
    return qobject_cast<QAbstractButton*>(page.GetDlgItem(id));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_card;
    std::unique_ptr<CTavrelDlg> m_dlg;
    FakeVolumes* m_volumes = nullptr;
    QList<Message> m_messages;
    QString m_typedName;
    bool m_cancelNew = false;
    bool m_nameFieldFocused = false;
    QList<int> m_modalTemplates;  // every modal dialog run, by template
    QString m_savedCwd;

    void start(bool withCard = true) {
        auto volumes = std::make_unique<FakeVolumes>();
        m_volumes = volumes.get();
        if (withCard) {
            m_volumes->drives.push_back(DriveInfo{(m_card->path() + "/").toStdString(), "CARD",
                                                  true, 1ull << 30, 1ull << 29});
        }
        CTavrelDlg::Options options;
        options.volumes = std::move(volumes);
        options.watchDevices = false;
        m_dlg = std::make_unique<CTavrelDlg>(std::move(options));
        QVERIFY(m_dlg->Create(CTavrelDlg::IDD, nullptr));
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
        m_dlg->OnNewProfile();
    }

    void selectProfile(int row) {
        m_dlg->m_profileList.SetCurSel(row);
        m_dlg->OnProfileSelChange();
    }

    QStringList listItems() const {
        QStringList items;
        for (int i = 0; i < m_dlg->m_profileList.GetCount(); ++i) {
            items << m_dlg->m_profileList.GetText(i);
        }
        return items;
    }

    void clearClockBox() {
        auto* clock = button(m_dlg->m_systemPage, 1061);
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
        CDialog::SetMessageBoxHook([this](const QString& text, const QString& caption, unsigned) {
            m_messages.append({text, caption});
            return IDOK;
        });
        m_modalTemplates.clear();
        CDialog::SetModalHook([this](CDialog& dialog) {
            m_modalTemplates.append(dialog.GetTemplateId());
            if (dialog.GetTemplateId() != 132)
                return IDCANCEL;
            if (m_cancelNew) {
                dialog.OnCancel();
                return IDCANCEL;
            }
            auto* edit = qobject_cast<QLineEdit*>(dialog.GetDlgItem(1063));
            m_nameFieldFocused = edit != nullptr && dialog.focusWidget() == edit;
            if (edit)
                edit->setText(m_typedName);
            dialog.OnOK();
            return IDOK;
        });
        CTavrelDlg::SetFolderPrompt(nullptr);
    }

    void cleanup() {
        m_dlg.reset();
        CDialog::SetMessageBoxHook(nullptr);
        CDialog::SetModalHook(nullptr);
        CTavrelDlg::SetFolderPrompt(nullptr);
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
        QCOMPARE(m_dlg->m_profileList.GetCurSel(), 0);
        QCOMPARE(m_dlg->m_store.currentSection(), std::string("profile-default"));
        // The pages show the defaults: Mode 1 "1920x1080P 60" is position 1.
        QVERIFY(button(m_dlg->m_modePage, 1008)->isChecked());
        QVERIFY(button(m_dlg->m_systemPage, 1061)->isChecked());
        QCOMPARE(m_dlg->ReadPages(), DefaultSelections());
        // The device row of the card is listed and is the target.
        QCOMPARE(m_dlg->m_deviceList.GetItemCount(), 1);
        QCOMPARE(m_dlg->m_deviceList.GetItemText(0, 1), QString("CARD"));
        QCOMPARE(m_dlg->m_deviceList.GetItemText(0, 2), QString("512 MB/1024 MB(0 G/1 G)"));
        QCOMPARE(m_dlg->m_deviceList.GetItemText(0, 3), QString("No infomation"));
        QCOMPARE(m_dlg->m_targetRoot, (m_card->path() + "/").toStdString());
        QVERIFY(m_messages.isEmpty());
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
        CTavrelDlg::Options options;
        options.volumes = std::move(volumes);
        options.watchDevices = false;
        CTavrelDlg dialog(std::move(options));
        QCOMPARE(dialog.DoModal(), IDCANCEL);  // ends before any window is shown
        QVERIFY(!dialog.StartedUp());
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("working directory"));
        QCOMPARE(dialog.m_profileList.GetCount(), 0);
        QVERIFY(m_modalTemplates.isEmpty());  // the modal loop never ran
    }
#endif

    void escapeAndEnterEndTheWindowWithoutWriting() {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            start();
            button(m_dlg->m_modePage, 1043)->click();  // an unsaved change
            const QByteArray file = cfgText();
            m_dlg->show();
            m_dlg->m_profileList.SetFocus();
            QTest::keyClick(m_dlg->m_profileList.GetSafeHwnd(), key);
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
            QWidget* control = m_dlg->GetDlgItem(id);
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

        button(m_dlg->m_modePage, 1042)->click();
        click(kIdcSaveProfile);
        QVERIFY(cfgText().contains("[profile-Clicked]\nmode_1=1600x1200p 60\n"));

        ListBoxWidget* list = m_dlg->m_profileList.listBox();
        clickRow(list, list->model()->index(0, 0));
        QCOMPARE(m_dlg->m_store.currentSection(), std::string("profile-default"));
        QCOMPARE(m_dlg->m_modePage.m_mode1, 1);
        // Ctrl+click cannot leave the list without a chosen profile.
        clickRow(list, list->model()->index(0, 0), Qt::ControlModifier);
        QCOMPARE(m_dlg->m_profileList.GetCurSel(), 0);

        click(kIdcDelProfile);
        QCOMPARE(listItems(), QStringList{"Clicked"});

        click(kIdcSet);
        QCOMPARE(readFile(m_card->filePath("camera.conf")).size(), 463);

        QTabBar* tabs = m_dlg->m_tabCtrl.tabControl()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(4).center());
        QVERIFY(m_dlg->m_imagePage.isVisible());
        QVERIFY(!m_dlg->m_modePage.isVisible());

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
        QCOMPARE(m_modalTemplates.count(100), 1);
    }

    void theChosenCardStaysChosen() {
        QTemporaryDir second;
        start();
        m_volumes->drives.push_back(
            DriveInfo{(second.path() + "/").toStdString(), "B", false, 0, 0});
        std::sort(m_volumes->drives.begin(), m_volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        m_dlg->OnDeviceChange(0x8000, nullptr);
        m_dlg->show();
        ListViewWidget* view = m_dlg->m_deviceList.listView();
        QCOMPARE(m_dlg->m_targetRoot, m_volumes->drives[0].root);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(1, 1)).center());
        QCOMPARE(m_dlg->m_targetRoot, m_volumes->drives[1].root);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          view->visualRect(view->model()->index(1, 1)).center());
        QCOMPARE(m_dlg->m_deviceList.GetItemState(1, LVIS_SELECTED), LVIS_SELECTED);
        QCOMPARE(m_dlg->m_targetRoot, m_volumes->drives[1].root);
        QCOMPARE(m_dlg->m_deviceList.listView()->item(1, 0)->toolTip(),
                 QString::fromStdString(m_volumes->drives[1].root));
    }

    void tabsShowOnePageAndKeepTheFields() {
        start();
        const ProfileSelections before = m_dlg->ReadPages();
        const QList<CDialog*> order = {&m_dlg->m_modePage, &m_dlg->m_videoPage, &m_dlg->m_photoPage,
                                       &m_dlg->m_systemPage, &m_dlg->m_imagePage};
        for (int tab : {2, 4, 1, 3, 0}) {
            m_dlg->m_tabCtrl.SetCurSel(tab);
            m_dlg->OnTabSelChange(nullptr, nullptr);
            for (int i = 0; i < order.size(); ++i) {
                QCOMPARE(order[i]->isVisibleTo(m_dlg.get()), i == tab);
            }
        }
        QCOMPARE(m_dlg->ReadPages(), before);
        QRect client;
        m_dlg->m_tabCtrl.GetClientRect(&client);
        for (CDialog* page : order) {
            QCOMPARE(page->geometry(), QRect(1, 26, client.width() - 5, client.height() - 30));
        }
    }

    void newProfileTakesThePagesAndRefusesBadNames() {
        start();
        button(m_dlg->m_modePage, 1043)->click();  // Mode 1 "1600x1200P 30", position 4
        newProfile("Night");
        QCOMPARE(listItems(), (QStringList{"default", "Night"}));
        QCOMPARE(m_dlg->m_profileList.GetCurSel(), 1);
        QVERIFY(m_nameFieldFocused);
        QVERIFY(cfgText().contains("[profile-Night]\nmode_1=1600x1200p 30\n"));
        QVERIFY(button(m_dlg->m_modePage, 1043)->isChecked());  // pages unchanged

        const QByteArray file = cfgText();
        struct Refused {
            QString name;
            QString message;  // a part of what the user is told
        };
        const QList<Refused> refused = {
            {"Night", "This name has be used !"},
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
        button(m_dlg->m_modePage, 1043)->click();
        newProfile("Night");
        selectProfile(0);
        QVERIFY(button(m_dlg->m_modePage, 1008)->isChecked());
        QCOMPARE(m_dlg->m_modePage.m_mode1, 1);
        // Unsaved changes are dropped by a selection change; saved ones come back.
        button(m_dlg->m_modePage, 1009)->click();
        selectProfile(1);
        QCOMPARE(m_dlg->m_modePage.m_mode1, 4);
        selectProfile(0);
        QCOMPARE(m_dlg->m_modePage.m_mode1, 1);
    }

    void saveWritesThePagesAndTwiceChangesNothing() {
        start();
        button(m_dlg->m_modePage, 1009)->click();
        m_dlg->OnSaveProfile();
        const QByteArray once = cfgText();
        QVERIFY(once.contains("mode_1=1920x1080p 30\n"));
        m_dlg->OnSaveProfile();
        QCOMPARE(cfgText(), once);
    }

    void deleteMovesToTheNeighbourAndLoadsIt() {
        start();
        button(m_dlg->m_modePage, 1007)->click();
        newProfile("A");
        button(m_dlg->m_modePage, 1009)->click();
        newProfile("B");
        button(m_dlg->m_modePage, 1042)->click();
        newProfile("C");

        selectProfile(2);  // B, in the middle
        m_dlg->OnDelProfile();
        QCOMPARE(listItems(), (QStringList{"default", "A", "C"}));
        QCOMPARE(m_dlg->m_profileList.GetCurSel(), 2);
        QCOMPARE(m_dlg->m_store.currentSection(), std::string("profile-C"));
        QCOMPARE(m_dlg->m_modePage.m_mode1, 3);
        QVERIFY(!cfgText().contains("[profile-B]"));

        m_dlg->OnDelProfile();  // C, the last: the one before it takes over
        QCOMPARE(listItems(), (QStringList{"default", "A"}));
        QCOMPARE(m_dlg->m_profileList.GetCurSel(), 1);
        QCOMPARE(m_dlg->m_modePage.m_mode1, 0);

        // Saving now writes A, the profile shown.
        button(m_dlg->m_modePage, 1008)->click();
        m_dlg->OnSaveProfile();
        QVERIFY(cfgText().contains("[profile-A]\nmode_1=1920x1080p 60\n"));
    }

    void deletingTheOnlyProfileLeavesAnEmptyList() {
        start();
        m_dlg->OnDelProfile();
        QCOMPARE(m_dlg->m_profileList.GetCount(), 0);
        QCOMPARE(m_dlg->m_profileList.GetCurSel(), -1);
        const QByteArray file = cfgText();
        QVERIFY(!file.contains("[profile-"));
        QVERIFY(file.contains("[basic]"));
        // Nothing is selected: Del and Save do nothing.
        m_dlg->OnDelProfile();
        m_dlg->OnSaveProfile();
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
        QCOMPARE(m_dlg->m_store.currentSection(), std::string("profile-default"));
        m_messages.clear();
        m_dlg->OnSaveProfile();
        QCOMPARE(m_messages.size(), 1);
    }

    void setWritesTheDefaultFileOntoTheCard() {
        start();
        clearClockBox();
        m_dlg->OnSet();
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
        m_dlg->OnSet();
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
        CDlgTab4& photo = m_dlg->m_photoPage;
        // The default profile holds auto shoot "3s"; choosing burst "5 P" last wins.
        button(photo, 1089)->click();
        m_dlg->OnSet();
        QByteArray written = readFile(m_card->filePath("camera.conf"));
        QVERIFY(written.contains("auto_shoot=off\r\nphoto_burst=5p\r\n"));
        // Saving keeps both choices as they stand.
        m_dlg->OnSaveProfile();
        QVERIFY(cfgText().contains("auto_shoot=3s\nphoto_stamp=off\nphoto_burst=5p\n"));
        // Burst back off: auto shoot is written again.
        button(photo, 1090)->click();
        m_dlg->OnSet();
        written = readFile(m_card->filePath("camera.conf"));
        QVERIFY(written.contains("auto_shoot=3s\r\nphoto_burst=off\r\n"));
        // Auto shoot "10 Seconds" chosen last while burst holds "3p" (loaded, not clicked).
        button(photo, 1046)->click();
        photo.m_photoBurst = 1;
        photo.UpdateData(false);
        m_dlg->OnSet();
        written = readFile(m_card->filePath("camera.conf"));
        QVERIFY(written.contains("auto_shoot=10s\r\nphoto_burst=off\r\n"));
    }

    void setWithoutACameraAsksForAFolder() {
        start(false);
        clearClockBox();
        QCOMPARE(m_dlg->m_deviceList.GetItemCount(), 0);
        QVERIFY(m_dlg->m_targetRoot.empty());
        int asked = 0;
        CTavrelDlg::SetFolderPrompt([&](QWidget*) {
            ++asked;
            return std::optional<std::filesystem::path>();
        });
        m_dlg->OnSet();
        QCOMPARE(asked, 1);
        QVERIFY(!QFile::exists(m_dir->filePath("camera.conf")));
        QVERIFY(!QFile::exists(m_card->filePath("camera.conf")));

        CTavrelDlg::SetFolderPrompt([&](QWidget*) {
            return std::optional<std::filesystem::path>(m_card->path().toStdString());
        });
        m_dlg->OnSet();
        QCOMPARE(readFile(m_card->filePath("camera.conf")).size(), 463);
    }

    void setReportsAFailedWrite() {
        start();
        clearClockBox();
        QVERIFY(QDir(m_card->path()).removeRecursively());  // the card is pulled out
        m_dlg->OnSet();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains("camera.conf"));
        QVERIFY(!m_dlg->StatusText().contains("written"));
    }

    void deviceChangesRescanOnlyOnArrivalAndRemoval() {
        start();
        const int scans = m_volumes->scans;
        m_dlg->OnDeviceChange(0x8001, nullptr);  // a removal query
        m_dlg->OnDeviceChange(0x8003, nullptr);  // a removal pending
        m_dlg->OnDeviceChange(0x0007, nullptr);  // a device-node change
        QCOMPARE(m_volumes->scans, scans);

        QTemporaryDir second;
        const std::string first = (m_card->path() + "/").toStdString();
        const std::string other = (second.path() + "/").toStdString();
        m_volumes->drives.push_back(DriveInfo{other, "B", false, 0, 0});
        std::sort(m_volumes->drives.begin(), m_volumes->drives.end(),
                  [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
        QVERIFY(m_dlg->OnDeviceChange(0x8000, nullptr));
        QCOMPARE(m_dlg->m_deviceList.GetItemCount(), 2);
        QCOMPARE(m_dlg->m_targetRoot, m_volumes->drives[0].root);

        // The user picks the other card; a rescan keeps it as the target.
        const int otherRow = m_volumes->drives[0].root == other ? 0 : 1;
        const int firstRow = 1 - otherRow;
        m_dlg->m_deviceList.SetItemState(firstRow, 0, LVIS_SELECTED | LVIS_FOCUSED);
        NMLISTVIEW change;
        change.hdr.idFrom = kIdcDeviceList;
        change.hdr.code = LVN_ITEMCHANGED;
        change.iItem = otherRow;
        change.uNewState = LVIS_SELECTED | LVIS_FOCUSED;
        LRESULT result = -1;
        m_dlg->OnDeviceItemChanged(&change.hdr, &result);
        QCOMPARE(result, LRESULT(0));
        QCOMPARE(m_dlg->m_targetRoot, other);
        m_dlg->OnDeviceChange(0x8000, nullptr);
        QCOMPARE(m_dlg->m_targetRoot, other);

        // Both cards removed: the list empties and nothing is the target any more.
        m_volumes->drives.clear();
        m_dlg->OnDeviceChange(0x8004, nullptr);
        QCOMPARE(m_dlg->m_deviceList.GetItemCount(), 0);
        QVERIFY(m_dlg->m_targetRoot.empty());
        Q_UNUSED(first);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
