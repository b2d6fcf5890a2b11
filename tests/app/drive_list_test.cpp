// The device list, driven in the window: the chosen card, the rows' texts and the rescans.
#include "tests/app/window_fixture.h"

class DriveListTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

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

QTEST_MAIN(DriveListTest)
#include "drive_list_test.moc"
