// The main window's Windows-only parts, driven through real window messages on the Windows
// platform: device-change notifications (posted, sent and broadcast, as the system and the mount
// manager deliver them) and the About entry of the system menu.
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>
#include <memory>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which it builds on.
#include <dbt.h>

#include "gui/app/main_window.h"
#include "gui/resources/resource_ids.h"

using namespace marlix;

namespace {

class CountingVolumes : public VolumeSource {
public:
    explicit CountingVolumes(int* scans) : m_scans(scans) {}
    Result<std::vector<DriveInfo>> ListRemovableDrives() override {
        ++*m_scans;
        return std::vector<DriveInfo>{};
    }
    void ProbeDrive(DriveInfo&) override {}

private:
    int* m_scans;
};

enum class Delivery { Post, Send, Broadcast };

}  // namespace

Q_DECLARE_METATYPE(Delivery)

class WinWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_dlg;
    int m_scans = 0;
    QList<int> m_modalTemplates;
    QString m_savedCwd;

    HWND mainWindow() const { return reinterpret_cast<HWND>(m_dlg->winId()); }

    // Delivers WM_DEVICECHANGE as the system does and returns the window's answer (for a
    // broadcast, the outcome of the round; for a post, whether it was queued). An arrival or a
    // removal carries a record and is only ever sent, never posted; the others may be posted.
    ::LRESULT deliver(Delivery how, HWND target, unsigned code) {
        // The record of a volume's arrival or removal: drive Y:, which the test does not use.
        DEV_BROADCAST_VOLUME volume{};
        volume.dbcv_size = sizeof(volume);
        volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
        volume.dbcv_unitmask = 1u << ('Y' - 'A');
        const LPARAM data = (code & 0x8000) != 0 ? reinterpret_cast<LPARAM>(&volume) : 0;
        ::LRESULT answer = 0;
        switch (how) {
            case Delivery::Post:
                answer = ::PostMessageW(target, WM_DEVICECHANGE, code, data);
                break;
            case Delivery::Send:
                answer = ::SendMessageW(target, WM_DEVICECHANGE, code, data);
                break;
            case Delivery::Broadcast: {
                DWORD recipients = BSM_APPLICATIONS;
                answer = ::BroadcastSystemMessageW(BSF_QUERY | BSF_FORCEIFHUNG, &recipients,
                                                   WM_DEVICECHANGE, code, data);
                break;
            }
        }
        QTest::qWait(50);
        return answer;
    }

private slots:
    void init() {
        m_savedCwd = QDir::currentPath();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_modalTemplates.clear();
        TemplateDialog::SetModalHook([this](TemplateDialog& dialog) {
            m_modalTemplates.append(dialog.templateId());
            return QDialog::Accepted;
        });
        m_scans = 0;
        MainWindow::Options options;
        options.volumes = std::make_unique<CountingVolumes>(&m_scans);
        options.watchDevices = true;
        m_dlg = std::make_unique<MainWindow>(std::move(options));
        QVERIFY(m_dlg->build(nullptr));
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
        QCOMPARE(m_scans, 1);  // the scan at start-up
    }

    void cleanup() {
        m_dlg.reset();
        TemplateDialog::SetModalHook(nullptr);
        QDir::setCurrent(m_savedCwd);
    }

    void deviceChangesReachTheMainWindowOnly_data() {
        QTest::addColumn<Delivery>("how");
        QTest::addColumn<bool>("toMain");
        QTest::addColumn<unsigned>("code");
        QTest::addColumn<int>("rescans");
        const auto row = [](const char* name, Delivery how, bool toMain, unsigned code,
                            int rescans) {
            QTest::newRow(name) << how << toMain << code << rescans;
        };
        row("arrival", Delivery::Send, true, DBT_DEVICEARRIVAL, 1);
        row("removal", Delivery::Send, true, DBT_DEVICEREMOVECOMPLETE, 1);
        row("removal query", Delivery::Send, true, DBT_DEVICEQUERYREMOVE, 0);
        row("removal pending", Delivery::Send, true, DBT_DEVICEREMOVEPENDING, 0);
        row("posted device nodes change", Delivery::Post, true, DBT_DEVNODES_CHANGED, 0);
        // Every top-level window gets a broadcast, Qt's own hidden ones too: one scan all the same.
        row("broadcast arrival", Delivery::Broadcast, true, DBT_DEVICEARRIVAL, 1);
        row("arrival at another window", Delivery::Send, false, DBT_DEVICEARRIVAL, 0);
    }

    void deviceChangesReachTheMainWindowOnly() {
        QFETCH(Delivery, how);
        QFETCH(bool, toMain);
        QFETCH(unsigned, code);
        QFETCH(int, rescans);
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        const HWND target = toMain ? mainWindow() : reinterpret_cast<HWND>(other.winId());
        const int before = m_scans;
        const ::LRESULT answer = deliver(how, target, code);
        QCOMPARE(m_scans - before, rescans);
        // Queries are granted: the window never holds a card back.
        if (toMain)
            QCOMPARE(answer, ::LRESULT(TRUE));
    }

    void aboutEntryEndsTheSystemMenu() {
        const HMENU menu = ::GetSystemMenu(mainWindow(), FALSE);
        QVERIFY(menu != nullptr);
        const int count = ::GetMenuItemCount(menu);
        QVERIFY(count >= 2);
        QCOMPARE(::GetMenuItemID(menu, count - 1), UINT(0x0010));
        wchar_t text[64] = {};
        QVERIFY(::GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION) > 0);
        QCOMPARE(QString::fromWCharArray(text), QString("&About Marlix..."));
        MENUITEMINFOW separator{};
        separator.cbSize = sizeof(separator);
        separator.fMask = MIIM_FTYPE;
        QVERIFY(::GetMenuItemInfoW(menu, count - 2, TRUE, &separator));
        QVERIFY(separator.fType & MFT_SEPARATOR);
    }

    void systemMenuCommandsOpenTheAboutBoxOnlyForTheEntry() {
        // The menu posts the command of the entry picked. The low four bits belong to the
        // system: 0x0013 is still the About entry.
        QVERIFY(::PostMessageW(mainWindow(), WM_SYSCOMMAND, 0x0013, 0));
        QTRY_COMPARE(m_modalTemplates, QList<int>{kIddAboutBox});
        // Another command goes on to the default handling (0x0020 is no command at all): once
        // the posted message has been dispatched, still only the one About box.
        QVERIFY(::PostMessageW(mainWindow(), WM_SYSCOMMAND, 0x0020, 0));
        QCoreApplication::processEvents();
        QCOMPARE(m_modalTemplates, QList<int>{kIddAboutBox});
        QVERIFY(m_dlg->isVisible());
    }
};

QTEST_MAIN(WinWindowTest)
#include "win_window_test.moc"
