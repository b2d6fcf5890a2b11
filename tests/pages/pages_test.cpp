// The five settings pages on real widgets: every button's position, values without a button, the
// slider labels, the Photo interlock and what drawing a page leaves alone.
#include <QButtonGroup>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <functional>

#include "core/export/camera_conf.h"
#include "gui/layout/tab_control.h"
#include "gui/pages/settings_pages.h"
#include "tests/support/dialog_probe.h"

using namespace marlix;
using marlix::test_support::AllEnabled;
using marlix::test_support::Button;
using marlix::test_support::CheckedIds;

namespace {

QString LabelText(const TemplateDialog& page, int id) {
    return qobject_cast<QLabel*>(page.control(id))->text();
}

// A page inside a shown host, placed as the main window places it.
template <class Page>
struct Shown {
    QWidget host;
    Page page;
    explicit Shown(bool show = true) {
        host.resize(1000, 560);
        page.build(&host);
        page.setGeometry(1, 26, 995, 530);
        if (show) {
            page.show();
            host.show();
            QApplication::setActiveWindow(&host);
            QVERIFY(QTest::qWaitForWindowExposed(&host));
        }
    }
};

QSlider* Slider(const TemplateDialog& page, int id) {
    return page.control<QSlider>(id);
}

// Clicking the button at index i of each radio group that shows a setting reads back as i, and
// writing i checks that button alone: the template's order, not the order of the IDs (Mode 1's
// last two are out of order), gives each button its option. The groups come from the template,
// so a new setting's buttons are checked without a line here.
template <class Page>
void CheckEveryGroup() {
    using Fields = typename Page::FieldsType;
    Page pageOfTemplate;
    QVERIFY(pageOfTemplate.build(nullptr));
    for (const ControlTemplate& control : pageOfTemplate.dialogTemplate()->controls) {
        if (!IsRadioButton(control) || control.setting == kNoSetting)
            continue;
        Page page;  // fresh for each group: the Photo rule ties two groups together
        QVERIFY(page.build(nullptr));
        int Fields::*field = std::get<int Fields::*>(RowOf(Setting(control.setting)).field);
        const QList<QAbstractButton*> group = page.radioGroup(control.id)->buttons();
        QList<QAbstractButton*> buttons;  // in template order
        for (QWidget* widget : page.controls()) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget); group.contains(button))
                buttons.append(button);
        }
        QVERIFY(buttons.size() > 1);
        for (int i = 0; i < buttons.size(); ++i) {
            buttons[i]->click();
            QVERIFY(page.readFields());
            QCOMPARE(page.*field, i);
        }
        for (int i = 0; i < buttons.size(); ++i) {
            page.*field = i;
            QVERIFY(page.showFields());
            for (int k = 0; k < buttons.size(); ++k) QCOMPARE(buttons[k]->isChecked(), k == i);
        }
    }
}

}  // namespace

class PagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyButtonSelectsTheOptionAtItsPosition() {
        CheckEveryGroup<ModePage>();
        CheckEveryGroup<VideoPage>();
        CheckEveryGroup<PhotoPage>();
        CheckEveryGroup<SystemPage>();
        CheckEveryGroup<ImagePage>();
    }

    void valuesWithoutAButtonReadBackAsMinusOne() {
        ImagePage image;
        image.m_iso = 6;  // "3200" has no button
        SystemPage system;
        system.m_autoShutdown = 4;
        system.m_imageRotate = 2;
        QVERIFY(image.build(nullptr));
        QVERIFY(system.build(nullptr));
        QVERIFY(CheckedIds(image, kIdcIsoButtons).isEmpty());
        QVERIFY(CheckedIds(system, kIdcAutoShutdownButtons).isEmpty());
        QVERIFY(CheckedIds(system, kIdcImageRotateButtons).isEmpty());
        QVERIFY(image.readFields());
        QVERIFY(system.readFields());
        QCOMPARE(image.m_iso, -1);
        QCOMPARE(system.m_autoShutdown, -1);
        QCOMPARE(system.m_imageRotate, -1);
    }

    void hiddenTwentyPictureButtonHoldsPositionFour() {
        Shown<PhotoPage> shown;
        PhotoPage& page = shown.page;
        const int twenty = kIdcPhotoBurstButtons[4];
        page.m_photoBurst = 4;
        QVERIFY(page.showFields());
        QVERIFY(!page.control(twenty)->isVisible());
        QCOMPARE(CheckedIds(page, kIdcPhotoBurstButtons), QList<int>{twenty});
        page.m_photoBurst = 0;
        QVERIFY(page.readFields());
        QCOMPARE(page.m_photoBurst, 4);
        // Clicking an interval still disables the whole burst group, hidden button included,
        // and enabling it again does not show the hidden one.
        QTest::mouseClick(Button(page, kIdcAutoShootButtons[4]), Qt::LeftButton);
        QVERIFY(AllEnabled(page, kIdcPhotoBurstButtons, false));
        QTest::mouseClick(Button(page, kIdcAutoShootButtons[0]), Qt::LeftButton);
        QVERIFY(AllEnabled(page, kIdcPhotoBurstButtons, true));
        QVERIFY(!page.control(twenty)->isVisible());
    }

    void formatAndClockCheckBoxes() {
        Shown<SystemPage> shown;
        SystemPage& page = shown.page;
        page.m_osd = 1;
        QVERIFY(page.showFields());
        QTest::mouseClick(Button(page, kIdcFormat), Qt::LeftButton);
        QTest::mouseClick(Button(page, kIdcSyncClock), Qt::LeftButton);
        QVERIFY(page.readFields());
        QCOMPARE(page.m_format, 1);  // option "true"
        QCOMPARE(page.m_syncClock, 1);
        QCOMPARE(page.m_osd, 1);  // the check box in the OSD run takes no position there
        QTest::mouseClick(Button(page, kIdcFormat), Qt::LeftButton);
        QVERIFY(page.readFields());
        QCOMPARE(page.m_format, 0);
    }

    void dateFormatCaptionsNameTheOrderWritten() {
        SystemPage page;
        QVERIFY(page.build(nullptr));
        for (int id : kIdcDateFmtButtons) {
            Button(page, id)->click();
            QVERIFY(page.readFields());
            ProfileSelections values = DefaultSelections();
            values.system = page;
            // "MM-dd-yyyy HH:mm:ss" is the order "mdy".
            QString order;
            for (QChar c : Button(page, id)->text()) {
                const QChar part = c.toLower();
                if ((part == u'y' || part == u'm' || part == u'd') && !order.endsWith(part) &&
                    order.size() < 3) {
                    order += part;
                }
            }
            const QString written = QString::fromStdString(BuildCameraConf(values, {}));
            QVERIFY2(written.contains("\ndatefmt=" + order + "\r\n"), qPrintable(order));
        }
    }

    void micVolumeLabelFollowsTheSlider() {
        Shown<VideoPage> shown;
        VideoPage& page = shown.page;
        // The label shows the position from the start, never the template's "volume".
        QCOMPARE(LabelText(page, kIdcMicVolText), QStringLiteral("Mute"));
        page.m_micVol = 4;
        QVERIFY(page.showFields());
        QCOMPARE(LabelText(page, kIdcMicVolText), QStringLiteral("80%"));
        QSlider* slider = Slider(page, kIdcMicVolSlider);
        QCOMPARE(slider->value(), 4);
        slider->setValue(0);
        QCOMPARE(LabelText(page, kIdcMicVolText), QStringLiteral("Mute"));
        slider->setValue(6);
        QCOMPARE(LabelText(page, kIdcMicVolText), QStringLiteral("100%"));
        QVERIFY(page.readFields());
        QCOMPARE(page.m_micVol, 6);
        // The slider goes no further than its range, whatever the keyboard does.
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(slider->value(), 6);
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(LabelText(page, kIdcMicVolText), QStringLiteral("90%"));
        QCOMPARE(slider->accessibleDescription(), QStringLiteral("90%"));
    }

    void micVolumeWrittenBeforeTheRangeIsLimited() {
        VideoPage page;
        page.m_micVol = 50;
        QVERIFY(page.build(nullptr));
        QCOMPARE(Slider(page, kIdcMicVolSlider)->maximum(), 6);
        QVERIFY(page.readFields());
        QCOMPARE(page.m_micVol, 6);
    }

    void evAndSharpnessLabels_data() {
        QTest::addColumn<int>("ev");
        QTest::addColumn<int>("sharpness");
        QTest::addColumn<QString>("evText");
        QTest::addColumn<QString>("sharpnessText");
        QTest::newRow("far left") << 0 << 0 << "-2.0"
                                  << "1";
        QTest::newRow("middle") << 6 << 2 << "0"
                                << "3";
        QTest::newRow("far right") << 12 << 4 << "+2.0"
                                   << "5";
    }
    void evAndSharpnessLabels() {
        QFETCH(int, ev);
        QFETCH(int, sharpness);
        QFETCH(QString, evText);
        QFETCH(QString, sharpnessText);
        Shown<ImagePage> shown;
        ImagePage& page = shown.page;
        Slider(page, kIdcEvSlider)->setValue(ev);
        Slider(page, kIdcSharpnessSlider)->setValue(sharpness);
        QCOMPARE(LabelText(page, kIdcEvText), evText);
        QCOMPARE(LabelText(page, kIdcSharpnessText), sharpnessText);
        QVERIFY(page.readFields());
        QCOMPARE(page.m_ev, ev);
        QCOMPARE(page.m_sharpness, sharpness);
    }

    void movingOneSliderLeavesTheOtherLabel() {
        Shown<ImagePage> shown;
        ImagePage& page = shown.page;
        Slider(page, kIdcEvSlider)->setValue(3);
        Slider(page, kIdcSharpnessSlider)->setValue(1);
        QCOMPARE(LabelText(page, kIdcEvText), QStringLiteral("-1.0"));
        QCOMPARE(LabelText(page, kIdcSharpnessText), QStringLiteral("2"));
        Slider(page, kIdcEvSlider)->setValue(9);
        QCOMPARE(LabelText(page, kIdcEvText), QStringLiteral("+1.0"));
        QCOMPARE(LabelText(page, kIdcSharpnessText), QStringLiteral("2"));
    }

    void burstChosenAnyWayDisablesAutoShootAndSetsFlagOne() {
        // A mouse click, and what a screen reader's "toggle" action or any other code does:
        // the rule must follow the choice, not the click.
        const std::function<void(QAbstractButton*)> ways[] = {
            [](QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); },
            [](QAbstractButton* b) { b->toggle(); },
            [](QAbstractButton* b) { b->setChecked(true); },
        };
        for (const auto& choose : ways) {
            Shown<PhotoPage> shown;
            PhotoPage& page = shown.page;
            page.m_autoShoot = 3;  // "3s"
            page.m_photoBurst = 0;
            QVERIFY(page.showFields());
            choose(Button(page, kIdcPhotoBurstButtons[1]));  // "3 P"
            QVERIFY(AllEnabled(page, kIdcAutoShootButtons, false));
            QCOMPARE(page.m_photoInterlock, kInterlockBurst);
            ProfileSelections values = DefaultSelections();
            values.photo = page;
            QVERIFY(BuildCameraConf(values, {}).find("\nauto_shoot=off\r\n") != std::string::npos);
        }
    }

    void burstClickDisablesAutoShootAndSetsFlagOne() {
        Shown<PhotoPage> shown;
        PhotoPage& page = shown.page;
        const auto& shoot = kIdcAutoShootButtons;
        page.m_autoShoot = 3;  // "3s"
        page.m_photoBurst = 0;
        QVERIFY(page.showFields());
        QTest::mouseClick(Button(page, kIdcPhotoBurstButtons[1]), Qt::LeftButton);  // "3 P"
        QVERIFY(AllEnabled(page, shoot, false));
        QCOMPARE(page.m_photoInterlock, kInterlockBurst);
        QCOMPARE(CheckedIds(page, shoot), QList<int>{shoot[3]});  // stays checked
        QCOMPARE(page.m_autoShoot, 3);
        QCOMPARE(page.m_photoBurst, 1);
        // The disabled buttons, "1 Second" and "2 Seconds" included, ignore clicks.
        QTest::mouseClick(Button(page, shoot[1]), Qt::LeftButton);
        QCOMPARE(CheckedIds(page, shoot), QList<int>{shoot[3]});
        QTest::mouseClick(Button(page, kIdcPhotoBurstButtons[0]), Qt::LeftButton);  // "OFF"
        QVERIFY(AllEnabled(page, shoot, true));
        QCOMPARE(page.m_photoInterlock, kInterlockBurst);  // only flag 2 is cleared
    }

    void autoShootClickDisablesBurstAndSetsFlagTwo() {
        Shown<PhotoPage> shown;
        PhotoPage& page = shown.page;
        const auto& shoot = kIdcAutoShootButtons;
        page.m_photoInterlock = kInterlockBurst;
        for (int id : {shoot[4], shoot[1], shoot[2]}) {  // "5 Seconds", "1 Second", "2 Seconds"
            QTest::mouseClick(Button(page, shoot[0]), Qt::LeftButton);
            QVERIFY(AllEnabled(page, kIdcPhotoBurstButtons, true));
            page.m_photoInterlock = kInterlockBurst;
            QTest::mouseClick(Button(page, id), Qt::LeftButton);
            QVERIFY(AllEnabled(page, kIdcPhotoBurstButtons, false));
            QCOMPARE(page.m_photoInterlock, kInterlockAutoShoot);
        }
        QTest::mouseClick(Button(page, shoot[0]), Qt::LeftButton);  // auto-shoot "OFF"
        QVERIFY(AllEnabled(page, kIdcPhotoBurstButtons, true));
        QCOMPARE(page.m_photoInterlock, kInterlockAutoShoot);  // only flag 1 is cleared
    }

    void writingAnotherProfileLeavesTheInterlockAlone() {
        Shown<PhotoPage> shown;
        PhotoPage& page = shown.page;
        QTest::mouseClick(Button(page, kIdcPhotoBurstButtons[3]), Qt::LeftButton);  // "10 P"
        QVERIFY(AllEnabled(page, kIdcAutoShootButtons, false));
        page.m_photoBurst = 0;
        page.m_autoShoot = 5;
        QVERIFY(page.showFields());
        QVERIFY(AllEnabled(page, kIdcAutoShootButtons, false));
        QCOMPARE(page.m_photoInterlock, kInterlockBurst);
        QCOMPARE(CheckedIds(page, kIdcAutoShootButtons), QList<int>{kIdcAutoShootButtons[5]});
    }

    void drawingAPageNeverChangesAField() {
        QWidget host;
        host.resize(1000, 560);
        TabControlWidget tabs(&host);
        tabs.setGeometry(0, 0, 1000, 560);
        ModePage mode;
        VideoPage video;
        ImagePage image;
        PhotoPage photo;
        SystemPage system;
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
        TemplateDialog* pages[] = {&mode, &video, &image, &photo, &system};
        for (TemplateDialog* page : pages) {
            QVERIFY(page->build(&tabs));
            page->setGeometry(1, 26, 995, 530);
        }
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        // Each page shown (and so drawn) in turn, twice.
        for (int round = 0; round < 2; ++round) {
            for (TemplateDialog* shown : pages) {
                for (TemplateDialog* page : pages) {
                    page->setVisible(page == shown);
                }
                QCoreApplication::processEvents();
            }
        }
        QVERIFY(mode.readFields() && video.readFields() && image.readFields() &&
                photo.readFields() && system.readFields());
        QCOMPARE(static_cast<ModeFields&>(mode), s.mode);
        QCOMPARE(static_cast<VideoFields&>(video), s.video);
        QCOMPARE(static_cast<ImageFields&>(image), s.image);
        QCOMPARE(static_cast<PhotoFields&>(photo), s.photo);
        QCOMPARE(static_cast<SystemFields&>(system), s.system);
    }

    void arrowKeysWalkAGroupInTemplateOrder() {
        Shown<PhotoPage> shown;
        PhotoPage& page = shown.page;
        const auto& shoot = kIdcAutoShootButtons;
        Button(page, shoot[0])->setFocus();
        QTest::keyClick(Button(page, shoot[0]), Qt::Key_Right);
        // "1 Second" has no tab stop but is the next member of the group.
        QCOMPARE(page.focusWidget(), page.control(shoot[1]));
        QCOMPARE(CheckedIds(page, shoot), QList<int>{shoot[1]});
        // Selecting by keyboard runs the interlock like a click.
        QVERIFY(AllEnabled(page, kIdcPhotoBurstButtons, false));
        QTest::keyClick(Button(page, shoot[1]), Qt::Key_Left);
        QCOMPARE(CheckedIds(page, shoot), QList<int>{shoot[0]});
        QVERIFY(AllEnabled(page, kIdcPhotoBurstButtons, true));
        // In the Mode page the two out-of-order IDs follow the third button as they stand in
        // the template, and the walk wraps to the first button.
        Shown<ModePage> mode;
        const auto& mode1 = kIdcMode1Buttons;
        Button(mode.page, mode1[2])->setFocus();
        QTest::keyClick(Button(mode.page, mode1[2]), Qt::Key_Down);
        QCOMPARE(mode.page.focusWidget(), mode.page.control(mode1[3]));
        QTest::keyClick(Button(mode.page, mode1[3]), Qt::Key_Down);
        QTest::keyClick(Button(mode.page, mode1[4]), Qt::Key_Down);
        QCOMPARE(mode.page.focusWidget(), mode.page.control(mode1[0]));
    }

    void radioButtonsAreAnnouncedWithTheirHeading() {
        ModePage mode;
        VideoPage video;
        PhotoPage photo;
        SystemPage system;
        QVERIFY(mode.build(nullptr));
        QVERIFY(video.build(nullptr));
        QVERIFY(photo.build(nullptr));
        QVERIFY(system.build(nullptr));
        auto spoken = [](const TemplateDialog& page, int id) {
            return page.control(id)->accessibleName();
        };
        QCOMPARE(spoken(mode, kIdcMode1Buttons[1]), QStringLiteral("Mode 1, 1920x1080P 60"));
        QCOMPARE(spoken(mode, kIdcMode3Buttons[3]),
                 QStringLiteral("Mode 3, 5M（2560x1920  4：3）"));
        QCOMPARE(spoken(video, kIdcRecBeepButtons[1]), QStringLiteral("Record Beep, 5 Min"));
        QCOMPARE(spoken(video, kIdcMicVolSlider), QStringLiteral("Microphone Volume"));
        QCOMPARE(spoken(photo, kIdcPhotoStampButtons[3]),
                 QStringLiteral("Photo Stamp, Date and Time"));
        QCOMPARE(spoken(photo, kIdcPhotoBurstButtons[2]), QStringLiteral("Burst, 5 P"));
        QCOMPARE(spoken(system, kIdcOpBeepButtons[1]), QStringLiteral("Beep, ON"));
    }
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
