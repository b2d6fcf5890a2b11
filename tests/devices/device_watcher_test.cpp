#include "gui/devices/device_watcher.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <cerrno>
#include <cstring>

#include "core/devices/device_events.h"

namespace marlix {

namespace {

// Empty when this test process has a mount namespace of its own, in which it may mount freely;
// otherwise why not. Set up in main() while the process has one thread.
QString g_noPrivateNamespace;

QString enterPrivateMountNamespace() {
    if (::geteuid() != 0)
        return QStringLiteral("needs root to make a private mount namespace");
    if (::unshare(CLONE_NEWNS) != 0) {
        return QStringLiteral("unshare(CLONE_NEWNS): %1").arg(std::strerror(errno));
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return QStringLiteral("making / private: %1").arg(std::strerror(errno));
    }
    return {};
}

}  // namespace

class DeviceChangeWatcherTest : public QObject {
    Q_OBJECT

private:
    // A watcher fed only through noteChange(): a plain file never signals a mount change.
    DeviceChangeWatcher::Options quietOptions() {
        DeviceChangeWatcher::Options options;
        options.mountTablePath = m_plainFile.fileName().toStdString();
        options.watchUdev = false;
        return options;
    }

    QTemporaryFile m_plainFile;

private slots:
    void initTestCase() { QVERIFY(m_plainFile.open()); }

    void burstGivesOneArrival() {
        DeviceChangeWatcher watcher(quietOptions());
        QVERIFY(watcher.watchingMountTable());
        QVERIFY(watcher.problems().isEmpty());
        QSignalSpy spy(&watcher, &DeviceChangeWatcher::deviceChange);
        for (int i = 0; i < 25; ++i) watcher.noteChange();
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toUInt(), kDbtDeviceArrival);
        // The burst is over: nothing more comes of it, and the next change is reported anew.
        QVERIFY(!watcher.changePending());
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
        watcher.noteChange();
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.count(), 2);
    }

    void steadyStreamStillReports() {
        DeviceChangeWatcher::Options options = quietOptions();
        options.debounce = std::chrono::milliseconds(100);
        options.maxDelay = std::chrono::milliseconds(300);
        DeviceChangeWatcher watcher(options);
        QSignalSpy spy(&watcher, &DeviceChangeWatcher::deviceChange);
        // Changes every 20 ms never leave the debounce time quiet; the report must not wait
        // for the stream to stop.
        QTimer stream;
        connect(&stream, &QTimer::timeout, &watcher, &DeviceChangeWatcher::noteChange);
        stream.start(20);
        watcher.noteChange();
        QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 2, 10000);
        stream.stop();
    }

    void missingMountTableIsReported() {
        DeviceChangeWatcher::Options options;
        options.mountTablePath = "/nonexistent/mountinfo";
        options.watchUdev = false;
        DeviceChangeWatcher watcher(options);
        QVERIFY(!watcher.watchingMountTable());
        QCOMPARE(watcher.problems().size(), 1);
        QVERIFY2(watcher.problems().at(0).contains("/nonexistent/mountinfo"),
                 qPrintable(watcher.problems().at(0)));
    }

    void realMountAndUnmountReachTheSignal() {
        if (!g_noPrivateNamespace.isEmpty())
            QSKIP(qPrintable(g_noPrivateNamespace));
        DeviceChangeWatcher watcher;
        QVERIFY2(watcher.watchingMountTable(), qPrintable(watcher.problems().join('\n')));
        QSignalSpy spy(&watcher, &DeviceChangeWatcher::deviceChange);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray path = QFile::encodeName(dir.path());

        QVERIFY2(::mount("marlix-test", path.constData(), "tmpfs", 0, "size=64k") == 0,
                 std::strerror(errno));
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.last().at(0).toUInt(), kDbtDeviceArrival);

        spy.clear();
        QVERIFY2(::umount(path.constData()) == 0, std::strerror(errno));
        QVERIFY(spy.wait(5000));
    }
};

}  // namespace marlix

int main(int argc, char** argv) {
    marlix::g_noPrivateNamespace = marlix::enterPrivateMountNamespace();
    QCoreApplication app(argc, argv);
    marlix::DeviceChangeWatcherTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "device_watcher_test.moc"
