// The five settings pages on real widgets: positions from template order, values without a
// button, the slider labels, the Photo interlock and what tab switching leaves alone.
#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <memory>

#include "pages/settings_pages.h"

using namespace marlix;

namespace {

QAbstractButton* Button(const CDialog& page, int id) {
    auto* button = qobject_cast<QAbstractButton*>(page.GetDlgItem(id));
    Q_ASSERT(button != nullptr);
    return button;
}

QList<int> Checked(const CDialog& page, std::initializer_list<int> ids) {
    QList<int> checked;
    for (int id : ids) {
        if (Button(page, id)->isChecked()) {
            checked.append(id);
        }
    }
    return checked;
}

QString LabelText(const CDialog& page, int id) {
    return qobject_cast<QLabel*>(page.GetDlgItem(id))->text();
}

// A page inside a shown host, placed as the main window places it.
template <class Page>
struct Shown {
    QWidget host;
    Page page;
    explicit Shown(bool show = true) {
        host.resize(1000, 560);
        page.Create(Page::IDD, &host);
        page.MoveWindow(1, 26, 995, 530);
        if (show) {
            page.ShowWindow(SW_SHOW);
            host.show();
            QApplication::setActiveWindow(&host);
            QVERIFY(QTest::qWaitForWindowExposed(&host));
        }
    }
};

void MoveSlider(CSliderCtrl& slider, int position) {
    slider.SetPos(position);
    slider.GetSafeHwnd()->repaint();  // the label follows the draw that a move causes
}

constexpr int kModeIds[] = {1007, 1008, 1009, 1042, 1043};
constexpr int kBurstIds[] = {1090, 1091, 1089, 1092, 1093};
constexpr int kAutoShootIds[] = {1043, 1107, 1108, 1044, 1045, 1046, 1047, 1048};

bool AllEnabled(const CDialog& page, const int* ids, int count, bool enabled) {
    for (int i = 0; i < count; ++i) {
        if (page.GetDlgItem(ids[i])->isEnabled() != enabled) {
            return false;
        }
    }
    return true;
}

}  // namespace

class PagesTest : public QObject {
    Q_OBJECT

private slots:
    void positionsComeFromTemplateOrder() {
        CDlgTab1 mode;
        CDlgTab2 video;
        CDlgTab3 image;
        CDlgTab4 photo;
        CDlgTab4 photoBurst;  // a burst click disables auto shoot, so apart
        CDlgTab5 system;
        for (CDialog* page :
             std::initializer_list<CDialog*>{&mode, &video, &image, &photo, &photoBurst, &system}) {
            QVERIFY(page->Create(page->GetTemplateId(), nullptr));
        }
        struct Case {
            const char* what;
            CDialog* page;
            int button;
            const int* field;
            int expected;
        };
        const Case cases[] = {
            {"Mode 1600x1200P 60", &mode, 1042, &mode.m_mode1, 3},
            {"Mode 1600x1200P 30", &mode, 1043, &mode.m_mode1, 4},
            {"Mode 12M", &mode, 1017, &mode.m_mode3, 1},
            {"Image Sunny", &image, 1056, &image.m_wb, 1},
            {"Image Cloudy", &image, 1055, &image.m_wb, 2},
            {"Photo 5 P", &photoBurst, 1089, &photoBurst.m_photoBurst, 2},
            {"Photo 10 P", &photoBurst, 1092, &photoBurst.m_photoBurst, 3},
            {"Photo 1 Second", &photo, 1107, &photo.m_autoShoot, 1},
            {"Photo 2 Seconds", &photo, 1108, &photo.m_autoShoot, 2},
            {"Photo 3 Seconds", &photo, 1044, &photo.m_autoShoot, 3},
            {"Video Loop 5 Min", &video, 1089, &video.m_loopRec, 3},
            {"Video Date and Time", &video, 1031, &video.m_videoStamp, 3},
            {"System Rotate 180", &system, 1043, &system.m_imageRotate, 1},
            {"System OSD ON", &system, 1097, &system.m_osd, 1},
            {"System OSD OFF", &system, 1096, &system.m_osd, 0},
            {"System 10 Min", &system, 1067, &system.m_autoShutdown, 3},
        };
        for (const Case& c : cases) {
            Button(*c.page, c.button)->click();
            QVERIFY(c.page->UpdateData(true));
            QVERIFY2(*c.field == c.expected, c.what);
        }
    }

    void modeGroupWriting() {
        CDlgTab1 page;
        page.m_mode1 = 4;
        page.m_mode2 = 3;  // one past the last button
        page.m_mode3 = -1;
        QVERIFY(page.Create(CDlgTab1::IDD, nullptr));
        QCOMPARE(Checked(page, {1007, 1008, 1009, 1042, 1043}), QList<int>{1043});
        QVERIFY(Checked(page, {1010, 1013, 1014}).isEmpty());
        QVERIFY(Checked(page, {1016, 1017, 1018, 1019}).isEmpty());
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_mode1, 4);
        QCOMPARE(page.m_mode2, -1);
        QCOMPARE(page.m_mode3, -1);
    }

    void valuesWithoutAButtonReadBackAsMinusOne() {
        CDlgTab3 image;
        image.m_iso = 6;  // "3200" has no button
        CDlgTab5 system;
        system.m_autoShutdown = 4;
        system.m_imageRotate = 2;
        CDlgTab2 video;
        video.m_timelapse = 6;
        QVERIFY(image.Create(CDlgTab3::IDD, nullptr));
        QVERIFY(system.Create(CDlgTab5::IDD, nullptr));
        QVERIFY(video.Create(CDlgTab2::IDD, nullptr));
        QVERIFY(Checked(image, {1047, 1048, 1049, 1050, 1051, 1052}).isEmpty());
        QVERIFY(Checked(system, {1044, 1065, 1066, 1067}).isEmpty());
        QVERIFY(Checked(system, {1042, 1043}).isEmpty());
        QCOMPARE(Checked(video, {1018, 1019, 1020, 1021, 1022, 1023, 1024}), QList<int>{1024});
        QVERIFY(image.UpdateData(true));
        QVERIFY(system.UpdateData(true));
        QCOMPARE(image.m_iso, -1);
        QCOMPARE(system.m_autoShutdown, -1);
        QCOMPARE(system.m_imageRotate, -1);
        image.m_iso = 5;
        system.m_autoShutdown = 3;
        QVERIFY(image.UpdateData(false));
        QVERIFY(system.UpdateData(false));
        QCOMPARE(Checked(image, {1047, 1048, 1049, 1050, 1051, 1052}), QList<int>{1052});
        QCOMPARE(Checked(system, {1044, 1065, 1066, 1067}), QList<int>{1067});
    }

    void hiddenTwentyPictureButtonHoldsPositionFour() {
        Shown<CDlgTab4> shown;
        CDlgTab4& page = shown.page;
        page.m_photoBurst = 4;
        QVERIFY(page.UpdateData(false));
        QVERIFY(!page.GetDlgItem(1093)->isVisible());
        QCOMPARE(Checked(page, {1090, 1091, 1089, 1092, 1093}), QList<int>{1093});
        page.m_photoBurst = 0;
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_photoBurst, 4);
        // Clicking an interval still disables the whole burst group, hidden button included,
        // and enabling it again does not show the hidden one.
        QTest::mouseClick(Button(page, 1045), Qt::LeftButton);
        QVERIFY(AllEnabled(page, kBurstIds, 5, false));
        QTest::mouseClick(Button(page, 1043), Qt::LeftButton);
        QVERIFY(AllEnabled(page, kBurstIds, 5, true));
        QVERIFY(!page.GetDlgItem(1093)->isVisible());
    }

    void formatAndClockCheckBoxes() {
        Shown<CDlgTab5> shown;
        CDlgTab5& page = shown.page;
        page.m_osd = 1;
        QVERIFY(page.UpdateData(false));
        QTest::mouseClick(Button(page, 1099), Qt::LeftButton);
        QTest::mouseClick(Button(page, 1061), Qt::LeftButton);
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_format, 1);  // option "true"
        QCOMPARE(page.m_syncClock, 1);
        QCOMPARE(page.m_osd, 1);  // the check box in the OSD run takes no position there
        QTest::mouseClick(Button(page, 1099), Qt::LeftButton);
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_format, 0);
    }

    void dateFormatCaptionsNameTheirOptions() {
        CDlgTab5 page;
        QVERIFY(page.Create(CDlgTab5::IDD, nullptr));
        const QList<QAbstractButton*> group = page.GetRadioGroup(1076);
        QCOMPARE(group.size(), 3);
        // Positions 0, 1, 2 are the options "ymd", "mdy", "dmy".
        QCOMPARE(group[0]->text(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QCOMPARE(group[1]->text(), QStringLiteral("MM-dd-yyyy HH:mm:ss"));
        QCOMPARE(group[2]->text(), QStringLiteral("dd-MM-yyyy HH:mm:ss"));
    }

    void micVolumeLabelFollowsTheSlider() {
        Shown<CDlgTab2> shown(false);
        CDlgTab2& page = shown.page;
        // Until the slider is first drawn the label is empty, never the template's "volume".
        QCOMPARE(LabelText(page, 1084), QString());
        page.m_micVol = 4;
        QVERIFY(page.UpdateData(false));
        page.ShowWindow(SW_SHOW);
        shown.host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown.host));
        QTRY_COMPARE(LabelText(page, 1084), QStringLiteral("80%"));
        QCOMPARE(page.m_micVolSlider.GetPos(), 4);
        MoveSlider(page.m_micVolSlider, 0);
        QCOMPARE(LabelText(page, 1084), QStringLiteral("Mute"));
        MoveSlider(page.m_micVolSlider, 6);
        QCOMPARE(LabelText(page, 1084), QStringLiteral("100%"));
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_micVol, 6);
        QCOMPARE(page.m_micVolText, QStringLiteral("100%"));
        // The slider goes no further than its range, whatever the keyboard does.
        page.m_micVolSlider.GetSafeHwnd()->setFocus();
        QTest::keyClick(page.m_micVolSlider.GetSafeHwnd(), Qt::Key_End);
        QCOMPARE(page.m_micVolSlider.GetPos(), 6);
        QTest::keyClick(page.m_micVolSlider.GetSafeHwnd(), Qt::Key_Left);
        page.m_micVolSlider.GetSafeHwnd()->repaint();
        QCOMPARE(LabelText(page, 1084), QStringLiteral("90%"));
    }

    void micVolumeWrittenBeforeTheRangeIsLimited() {
        CDlgTab2 page;
        page.m_micVol = 50;
        QVERIFY(page.Create(CDlgTab2::IDD, nullptr));
        QCOMPARE(page.m_micVolSlider.GetRangeMax(), 6);
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_micVol, 6);
    }

    void evAndSharpnessLabels_data() {
        QTest::addColumn<int>("ev");
        QTest::addColumn<int>("sharpness");
        QTest::addColumn<QString>("evText");
        QTest::addColumn<QString>("sharpnessText");
        QTest::newRow("far left") << 0 << 0 << "-2.0"
                                  << "1";
        QTest::newRow("below middle") << 5 << 1 << "-0.3"
                                      << "2";
        QTest::newRow("middle") << 6 << 2 << "0"
                                << "3";
        QTest::newRow("above middle") << 7 << 3 << "+0.3"
                                      << "4";
        QTest::newRow("far right") << 12 << 4 << "+2.0"
                                   << "5";
    }
    void evAndSharpnessLabels() {
        QFETCH(int, ev);
        QFETCH(int, sharpness);
        QFETCH(QString, evText);
        QFETCH(QString, sharpnessText);
        Shown<CDlgTab3> shown;
        CDlgTab3& page = shown.page;
        MoveSlider(page.m_evSlider, ev);
        MoveSlider(page.m_sharpnessSlider, sharpness);
        QCOMPARE(LabelText(page, 1059), evText);
        QCOMPARE(LabelText(page, 1111), sharpnessText);
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_ev, ev);
        QCOMPARE(page.m_sharpness, sharpness);
    }

    void movingOneSliderLeavesTheOtherLabel() {
        Shown<CDlgTab3> shown;
        CDlgTab3& page = shown.page;
        MoveSlider(page.m_evSlider, 3);
        MoveSlider(page.m_sharpnessSlider, 1);
        QCOMPARE(LabelText(page, 1059), QStringLiteral("-1.0"));
        QCOMPARE(LabelText(page, 1111), QStringLiteral("2"));
        MoveSlider(page.m_evSlider, 9);
        QCOMPARE(LabelText(page, 1059), QStringLiteral("+1.0"));
        QCOMPARE(LabelText(page, 1111), QStringLiteral("2"));
        QCOMPARE(page.m_evSlider.GetRangeMax(), 12);
        QCOMPARE(page.m_sharpnessSlider.GetRangeMax(), 4);
    }

    void burstClickDisablesAutoShootAndSetsFlagOne() {
        Shown<CDlgTab4> shown;
        CDlgTab4& page = shown.page;
        page.m_autoShoot = 3;  // "3s"
        page.m_photoBurst = 0;
        QVERIFY(page.UpdateData(false));
        QTest::mouseClick(Button(page, 1091), Qt::LeftButton);  // "3 P"
        QVERIFY(AllEnabled(page, kAutoShootIds, 8, false));
        QCOMPARE(page.m_photoInterlock, kInterlockBurst);
        QCOMPARE(Checked(page, {1043, 1107, 1108, 1044}), QList<int>{1044});  // stays checked
        QCOMPARE(page.m_autoShoot, 3);
        QCOMPARE(page.m_photoBurst, 1);
        // The disabled buttons, "1 Second" and "2 Seconds" included, ignore clicks.
        QTest::mouseClick(Button(page, 1107), Qt::LeftButton);
        QCOMPARE(Checked(page, {1043, 1107, 1108, 1044}), QList<int>{1044});
        QTest::mouseClick(Button(page, 1090), Qt::LeftButton);  // burst "OFF"
        QVERIFY(AllEnabled(page, kAutoShootIds, 8, true));
        QCOMPARE(page.m_photoInterlock, kInterlockBurst);  // only flag 2 is cleared
    }

    void autoShootClickDisablesBurstAndSetsFlagTwo() {
        Shown<CDlgTab4> shown;
        CDlgTab4& page = shown.page;
        page.m_photoInterlock = kInterlockBurst;
        for (int id : {1045, 1107, 1108}) {  // "5 Seconds", "1 Second", "2 Seconds" alike
            QTest::mouseClick(Button(page, 1043), Qt::LeftButton);
            QVERIFY(AllEnabled(page, kBurstIds, 5, true));
            page.m_photoInterlock = kInterlockBurst;
            QTest::mouseClick(Button(page, id), Qt::LeftButton);
            QVERIFY(AllEnabled(page, kBurstIds, 5, false));
            QCOMPARE(page.m_photoInterlock, kInterlockAutoShoot);
        }
        QTest::mouseClick(Button(page, 1043), Qt::LeftButton);  // auto-shoot "OFF"
        QVERIFY(AllEnabled(page, kBurstIds, 5, true));
        QCOMPARE(page.m_photoInterlock, kInterlockAutoShoot);  // only flag 1 is cleared
    }

    void writingAnotherProfileLeavesTheInterlockAlone() {
        Shown<CDlgTab4> shown;
        CDlgTab4& page = shown.page;
        QTest::mouseClick(Button(page, 1092), Qt::LeftButton);  // "10 P"
        QVERIFY(AllEnabled(page, kAutoShootIds, 8, false));
        page.m_photoBurst = 0;
        page.m_autoShoot = 5;
        QVERIFY(page.UpdateData(false));
        QVERIFY(AllEnabled(page, kAutoShootIds, 8, false));
        QCOMPARE(page.m_photoInterlock, kInterlockBurst);
        QCOMPARE(Checked(page, {1043, 1107, 1108, 1044, 1045, 1046, 1047, 1048}), QList<int>{1046});
    }

    void readAfterWriteIsIdentity() {
        CDlgTab1 mode;
        CDlgTab2 video;
        CDlgTab3 image;
        CDlgTab4 photo;
        CDlgTab5 system;
        QVERIFY(mode.Create(CDlgTab1::IDD, nullptr));
        QVERIFY(video.Create(CDlgTab2::IDD, nullptr));
        QVERIFY(image.Create(CDlgTab3::IDD, nullptr));
        QVERIFY(photo.Create(CDlgTab4::IDD, nullptr));
        QVERIFY(system.Create(CDlgTab5::IDD, nullptr));
        // Every value that has a button (or lies in its slider's range), key by key.
        for (int round = 0; round < 8; ++round) {
            ProfileSelections s;
            auto pick = [round](int count) { return (round * 5 + count) % count; };
            auto pickShifted = [round](int count) { return (round + 1) % count; };
            s.mode = {pick(5), pickShifted(3), pickShifted(4)};
            s.video = {pickShifted(3), pick(3),        pickShifted(7), pickShifted(4),
                       pickShifted(7), pickShifted(2), pick(4),        pickShifted(4)};
            s.image = {pickShifted(3), pickShifted(6), pickShifted(4), (round * 3) % 13,
                       pickShifted(5)};
            s.photo.m_photoQuality = pickShifted(3);
            s.photo.m_autoShoot = pickShifted(8);
            s.photo.m_photoStamp = pickShifted(4);
            s.photo.m_photoBurst = pickShifted(5);
            s.system = {pick(2),        pickShifted(2), pick(2),        pickShifted(2), pick(2),
                        pickShifted(4), pickShifted(3), pickShifted(2), pick(2)};
            static_cast<ModeFields&>(mode) = s.mode;
            static_cast<VideoFields&>(video) = s.video;
            static_cast<ImageFields&>(image) = s.image;
            static_cast<PhotoFields&>(photo) = s.photo;
            static_cast<SystemFields&>(system) = s.system;
            for (CDialog* page :
                 std::initializer_list<CDialog*>{&mode, &video, &image, &photo, &system}) {
                QVERIFY(page->UpdateData(false));
            }
            static_cast<ModeFields&>(mode) = {};
            static_cast<VideoFields&>(video) = {};
            static_cast<ImageFields&>(image) = {};
            static_cast<SystemFields&>(system) = {};
            photo.m_photoQuality = photo.m_autoShoot = photo.m_photoStamp = photo.m_photoBurst = -5;
            for (CDialog* page :
                 std::initializer_list<CDialog*>{&mode, &video, &image, &photo, &system}) {
                QVERIFY(page->UpdateData(true));
            }
            QCOMPARE(static_cast<ModeFields&>(mode), s.mode);
            QCOMPARE(static_cast<VideoFields&>(video), s.video);
            QCOMPARE(static_cast<ImageFields&>(image), s.image);
            QCOMPARE(static_cast<PhotoFields&>(photo), s.photo);
            QCOMPARE(static_cast<SystemFields&>(system), s.system);
        }
    }

    void tabSwitchingNeverChangesAField() {
        QWidget host;
        host.resize(1000, 560);
        TabControlWidget tabs(&host);
        tabs.setGeometry(0, 0, 1000, 560);
        CDlgTab1 mode;
        CDlgTab2 video;
        CDlgTab4 photo;
        CDlgTab5 system;
        CDlgTab3 image;
        ProfileSelections s;
        s.mode = {3, 2, 1};
        s.video = {2, 1, 6, 3, 5, 1, 2, 3};
        s.image = {1, 4, 2, 9, 3};
        s.photo.m_autoShoot = 6;
        s.photo.m_photoBurst = 4;
        s.system = {1, 0, 1, 1, 0, 3, 2, 1, 0};
        static_cast<ModeFields&>(mode) = s.mode;
        static_cast<VideoFields&>(video) = s.video;
        static_cast<ImageFields&>(image) = s.image;
        static_cast<PhotoFields&>(photo) = s.photo;
        static_cast<SystemFields&>(system) = s.system;
        CDialog* pages[] = {&mode, &video, &photo, &system, &image};  // tab order
        for (CDialog* page : pages) {
            QVERIFY(page->Create(page->GetTemplateId(), &tabs));
            page->MoveWindow(1, 26, 995, 530);
        }
        mode.ShowWindow(SW_SHOW);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        for (int tab : {1, 2, 3, 4, 2, 0, 4, 1}) {
            for (CDialog* page : pages) {
                page->ShowWindow(SW_HIDE);
            }
            pages[tab]->ShowWindow(SW_SHOW);
            QCoreApplication::processEvents();  // let the shown page draw itself
        }
        QCOMPARE(static_cast<ModeFields&>(mode), s.mode);
        QCOMPARE(static_cast<VideoFields&>(video), s.video);
        QCOMPARE(static_cast<ImageFields&>(image), s.image);
        QCOMPARE(static_cast<PhotoFields&>(photo), s.photo);
        QCOMPARE(static_cast<SystemFields&>(system), s.system);
        for (CDialog* page : pages) {
            QVERIFY(page->UpdateData(true));
        }
        QCOMPARE(static_cast<ModeFields&>(mode), s.mode);
        QCOMPARE(static_cast<VideoFields&>(video), s.video);
        QCOMPARE(static_cast<ImageFields&>(image), s.image);
        QCOMPARE(static_cast<PhotoFields&>(photo), s.photo);
        QCOMPARE(static_cast<SystemFields&>(system), s.system);
    }

    void arrowKeysWalkAGroupInTemplateOrder() {
        Shown<CDlgTab4> shown;
        CDlgTab4& page = shown.page;
        Button(page, 1043)->setFocus();
        QTest::keyClick(Button(page, 1043), Qt::Key_Right);
        // "1 Second" has no tab stop but is the next member of the group.
        QCOMPARE(page.focusWidget(), page.GetDlgItem(1107));
        QCOMPARE(Checked(page, {1043, 1107, 1108, 1044}), QList<int>{1107});
        // Selecting by keyboard runs the interlock like a click.
        QVERIFY(AllEnabled(page, kBurstIds, 5, false));
        QTest::keyClick(Button(page, 1107), Qt::Key_Left);
        QCOMPARE(Checked(page, {1043, 1107, 1108, 1044}), QList<int>{1043});
        QVERIFY(AllEnabled(page, kBurstIds, 5, true));
        // In the Mode page the out-of-order IDs follow 1009 as they stand in the template.
        Shown<CDlgTab1> mode;
        Button(mode.page, 1009)->setFocus();
        QTest::keyClick(Button(mode.page, 1009), Qt::Key_Down);
        QCOMPARE(mode.page.focusWidget(), mode.page.GetDlgItem(1042));
        QTest::keyClick(Button(mode.page, 1042), Qt::Key_Down);
        QTest::keyClick(Button(mode.page, 1043), Qt::Key_Down);
        QCOMPARE(mode.page.focusWidget(), mode.page.GetDlgItem(kModeIds[0]));
    }

    void radioButtonsAreAnnouncedWithTheirHeading() {
        CDlgTab1 mode;
        CDlgTab2 video;
        CDlgTab4 photo;
        CDlgTab5 system;
        QVERIFY(mode.Create(CDlgTab1::IDD, nullptr));
        QVERIFY(video.Create(CDlgTab2::IDD, nullptr));
        QVERIFY(photo.Create(CDlgTab4::IDD, nullptr));
        QVERIFY(system.Create(CDlgTab5::IDD, nullptr));
        QCOMPARE(mode.GetDlgItem(1008)->accessibleName(), QStringLiteral("Mode 1, 1920x1080P 60"));
        QCOMPARE(mode.GetDlgItem(1019)->accessibleName(),
                 QStringLiteral("Mode 3, 5M（2560x1920  4：3）"));
        QCOMPARE(video.GetDlgItem(1104)->accessibleName(), QStringLiteral("Record Beep, 5 Min"));
        QCOMPARE(video.GetDlgItem(1079)->accessibleName(), QStringLiteral("Microphone Volume"));
        QCOMPARE(photo.GetDlgItem(1055)->accessibleName(),
                 QStringLiteral("Photo Stamp, Date and Time"));
        QCOMPARE(photo.GetDlgItem(1089)->accessibleName(), QStringLiteral("Burst, 5 P"));
        QCOMPARE(system.GetDlgItem(1101)->accessibleName(), QStringLiteral("Beep, ON"));
    }
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
