// The window against the real UDisks2 that udisks_real_test.sh starts: the card on the loop
// device named by MARLIX_TEST_CARD_DEVICE is greyed while unmounted, Mount makes it the target,
// an eject while a file on it is open is refused with UDisks2's reason, and Eject takes it away.
// With the bus daemon stopped, the window still ends.
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "gui/app/main_window.h"
#include "gui/layout/message_box.h"

using namespace marlix;

class UDisksWindowTest : public QObject {
    Q_OBJECT

    // The row showing `text` in its first column; -1 when there is none.
    int rowOf(MainWindow& dlg, const QString& text) {
        for (int i = 0; i < dlg.control<ReportViewWidget>(kIdcDeviceList)->rowCount(); ++i) {
            if (dlg.control<ReportViewWidget>(kIdcDeviceList)->cellText(i, 0) == text)
                return i;
        }
        return -1;
    }

    void trigger(MainWindow& dlg, int row, const QString& text) {
        QMenu menu;
        dlg.card().fillMenu(menu, row);
        for (QAction* action : menu.actions()) {
            if (action->text().remove('&') == text && action->isEnabled()) {
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable("row " + QString::number(row) + " offers no " + text));
    }

private slots:
    void mountAndEjectThroughUDisks() {
        const QString device = qEnvironmentVariable("MARLIX_TEST_CARD_DEVICE");
        QVERIFY(!device.isEmpty());
        QTemporaryDir work;
        QVERIFY(QDir::setCurrent(work.path()));
        QStringList messages;
        SetMessageBoxHook([&](const QString& text, const QString&) {
            messages << text;
            return QDialog::Accepted;
        });

        MainWindow dlg;  // the system's drives, device watcher and UDisks2
        QVERIFY(dlg.build(nullptr));
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(dlg, device) >= 0, 10000);
        const int greyed = rowOf(dlg, device);
        QCOMPARE(dlg.control<ReportViewWidget>(kIdcDeviceList)->cellText(greyed, 1),
                 QString("CAMCARD"));
        QCOMPARE(dlg.control<ReportViewWidget>(kIdcDeviceList)->item(greyed, 0)->flags(),
                 Qt::ItemIsEnabled);

        trigger(dlg, greyed, "Mount");
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.card().mediaBusy(), 30000);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
        const std::string root = dlg.drives().targetRoot();
        QVERIFY2(root.starts_with("/media/") && root.ends_with("/CAMCARD/"), root.c_str());
        QCOMPARE(rowOf(dlg, device), -1);
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.drivesBeingProbed(), 10000);
        QCOMPARE(dlg.card().cardLine().state, CardState::NoFile);
        const int mounted = rowOf(dlg, QString::fromStdString(root));
        // One line in the cell; the whole text in its tooltip.
        QCOMPARE(dlg.control<ReportViewWidget>(kIdcDeviceList)->cellText(mounted, 3),
                 QString("CAM V2.1  "));

        {
            std::ifstream open(root + "version.txt");  // a program reading the card
            QVERIFY(open.is_open());
            trigger(dlg, mounted, "Eject");
            QTRY_VERIFY_WITH_TIMEOUT(!dlg.card().mediaBusy(), 30000);
            QCOMPARE(messages.size(), 1);
            QVERIFY2(messages[0].startsWith(QString::fromStdString("Cannot eject " + root)) &&
                         messages[0].contains("busy"),
                     qPrintable(messages[0]));
            QCOMPARE(rowOf(dlg, QString::fromStdString(root)), mounted);
        }
        trigger(dlg, mounted, "Eject");
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.card().mediaBusy(), 30000);
        QCOMPARE(messages.size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(rowOf(dlg, QString::fromStdString(root)), -1, 10000);
        QVERIFY2(dlg.statusText().contains("can be taken out"), qPrintable(dlg.statusText()));
        // Unmounted again: greyed again, to be mounted another time.
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(dlg, device) >= 0, 10000);
        SetMessageBoxHook(nullptr);
    }

    // The script has stopped the bus daemon: the window's connection to it never comes, and
    // Escape still ends the window and, after it, this program.
    void closesWhileTheBusIsStuck() {
        MainWindow dlg;
        QVERIFY(dlg.build(nullptr));
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
    }
};

QTEST_MAIN(UDisksWindowTest)
#include "udisks_window_test.moc"
