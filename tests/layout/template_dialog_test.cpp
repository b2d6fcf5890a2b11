// Dialogs built from templates of their own: placement in dialog units, radio groups by template
// order, the binding of settings in both directions, keyboard navigation, modal runs and the
// list and tab widgets.
#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <array>

#include "gui/layout/choice_list.h"
#include "gui/layout/report_view.h"
#include "gui/layout/slider.h"
#include "gui/layout/tab_control.h"
#include "gui/pages/settings_page.h"
#include "tests/support/dialog_probe.h"

using namespace marlix;
using marlix::test_support::Button;
using marlix::test_support::CheckedIds;

namespace {

// The controls of the test templates: two radio groups with a static text and a check box
// inside the first, a slider, two static texts, a push button and a check box; the edit field
// and the three lists of two windows of their own. The groups, the slider and the last check box
// show settings of the System page, whatever their captions.
constexpr int kHeadingA = 100;
constexpr int kA0 = 101;
constexpr int kBetween = 102;
constexpr int kA1 = 103;
constexpr int kBox = 104;
constexpr int kA2 = 105;
constexpr int kHeadingB = 106;
constexpr int kB0 = 201;
constexpr int kB1 = 202;
constexpr int kB2 = 203;  // no visible style
constexpr int kSlider = 301;
constexpr int kPrefixed = 302;  // '&' marks a mnemonic
constexpr int kLiteral = 303;   // no-prefix style
constexpr int kPress = 401;
constexpr int kFlag = 501;
constexpr int kEdit = 601;
constexpr int kListView = 701;
constexpr int kListBox = 702;
constexpr int kTabs = 703;
constexpr std::array kGroupA{kA0, kA1, kA2};
constexpr std::array kGroupB{kB0, kB1, kB2};

constexpr int kGroupASetting = static_cast<int>(Setting::ImageRotate);
constexpr int kGroupBSetting = static_cast<int>(Setting::TvMode);
constexpr int kSliderSetting = static_cast<int>(Setting::LightFreq);
constexpr int kFlagSetting = static_cast<int>(Setting::SyncClock);

constexpr unsigned kV = kVisible;
constexpr unsigned kT = kTabStop | kVisible;

// clang-format off
#define MARLIX_TEST_CONTROLS                                                                       \
    ControlTemplate{ControlKind::StaticText, kHeadingA, "Group A", {10, 5, 60, 8}, kGroup | kV},   \
    ControlTemplate{ControlKind::RadioButton, kA0, "A0", {10, 15, 50, 10}, kGroup | kT, 0,        \
                    kGroupASetting},                                                               \
    ControlTemplate{ControlKind::StaticText, kBetween, "between", {70, 15, 50, 8}, kV},            \
    ControlTemplate{ControlKind::RadioButton, kA1, "A1", {10, 27, 50, 10}, kT},                    \
    ControlTemplate{ControlKind::CheckBox, kBox, "Box", {70, 27, 50, 10}, kT},                     \
    ControlTemplate{ControlKind::RadioButton, kA2, "A2", {10, 39, 50, 10}, kT},                    \
    ControlTemplate{ControlKind::StaticText, kHeadingB, "Group B", {10, 55, 60, 8}, kGroup | kV},  \
    ControlTemplate{ControlKind::RadioButton, kB0, "B0", {10, 65, 50, 10}, kGroup | kT, 0,        \
                    kGroupBSetting},                                                               \
    ControlTemplate{ControlKind::RadioButton, kB1, "B1", {70, 65, 50, 10}, kT},                    \
    ControlTemplate{ControlKind::RadioButton, kB2, "B2", {130, 65, 50, 10}, kTabStop},             \
    ControlTemplate{ControlKind::Slider, kSlider, {}, {10, 80, 150, 20}, kGroup | kT, 0,          \
                    kSliderSetting},                                                               \
    ControlTemplate{ControlKind::StaticText, kPrefixed, "Date& and Time", {10, 105, 80, 8},        \
                    kGroup | kV},                                                                  \
    ControlTemplate{ControlKind::StaticText, kLiteral, "A & B", {100, 105, 60, 8},                 \
                    kV | kNoPrefix},                                                               \
    ControlTemplate{ControlKind::PushButton, kPress, "&Press", {10, 120, 50, 14}, kGroup | kT},    \
    ControlTemplate{ControlKind::CheckBox, kFlag, "Flag", {70, 120, 50, 10}, kGroup | kT, 0,       \
                    kFlagSetting}
// clang-format on

constexpr std::array kPageControls = {MARLIX_TEST_CONTROLS};
constexpr std::array kPopupControls = {
    MARLIX_TEST_CONTROLS,
    ControlTemplate{ControlKind::DefPushButton, kIdOk, "OK", {150, 180, 50, 14}, kGroup | kT},
    ControlTemplate{ControlKind::PushButton, kIdCancel, "Cancel", {210, 180, 50, 14}, kT},
};
// A window whose default button is hidden, like the main window's.
constexpr std::array kHiddenDefaultControls = {
    ControlTemplate{ControlKind::DefPushButton, kIdOk, "OK", {10, 10, 50, 14}, kTabStop},
    ControlTemplate{ControlKind::PushButton, kIdCancel, "Cancel", {70, 10, 50, 14}, kTabStop},
    ControlTemplate{ControlKind::Edit, kEdit, {}, {10, 30, 100, 14}, kT},
};
constexpr std::array kListControls = {
    ControlTemplate{ControlKind::ListView, kListView, {}, {5, 5, 200, 80}, kT},
    ControlTemplate{ControlKind::ListBox, kListBox, {}, {210, 5, 80, 80}, kT},
    ControlTemplate{ControlKind::TabControl, kTabs, {}, {5, 90, 280, 100}, kT},
};

constexpr DialogTemplate kPage{9001, "", 300, 200, "MS Shell Dlg", 8, kDsChild, kPageControls};
constexpr DialogTemplate kPopup{
    9002, "Test", 300, 200, "MS Shell Dlg", 8, kDsCaption | kDsSysMenu, kPopupControls};
constexpr DialogTemplate kHiddenDefault{
    9003, "Hidden", 200, 60, "MS Shell Dlg", 8, kDsCaption | kDsSysMenu, kHiddenDefaultControls};
constexpr DialogTemplate kLists{
    9004, "Lists", 300, 200, "MS Shell Dlg", 8, kDsCaption | kDsSysMenu, kListControls};

// A page of the System page's fields on the test template.
class TestDialog : public SettingsPage<SystemFields> {
public:
    using SettingsPage::SettingsPage;

protected:
    bool initialize() override {
        control<QSlider>(kSlider)->setRange(0, 12);
        return SettingsPage::initialize();
    }
};

// A page shown inside a host window, as the tab pages are.
struct HostedPage {
    QWidget host;
    TestDialog page{kPage};
    HostedPage() {
        host.resize(600, 500);
        page.build(&host);
        page.show();
        host.show();
        QApplication::setActiveWindow(&host);
    }
};

}  // namespace

class TemplateDialogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TemplateDialog::SetModalHook(nullptr); }

    void scaleRoundsHalfAwayFromZero_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("expected");
        QTest::newRow("exact") << 8 << 6 << 4 << 12;
        QTest::newRow("half rounds up") << 1 << 6 << 4 << 2;        // 1.5
        QTest::newRow("below half") << 5 << 13 << 8 << 8;           // 8.125
        QTest::newRow("negative half") << -1 << 6 << 4 << -2;       // -1.5
        QTest::newRow("negative divisor") << 3 << 3 << -2 << -5;    // -4.5
        QTest::newRow("points to pixels") << 10 << 96 << 72 << 13;  // 13.33
        QTest::newRow("zero divisor") << 5 << 5 << 0 << -1;
    }
    void scaleRoundsHalfAwayFromZero() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, expected);
        QCOMPARE(ScaleRounded(a, b, c), expected);
    }

    void controlsArePlacedInDialogUnits() {
        TestDialog page(kPage);
        QVERIFY(page.build(nullptr));
        const DialogBaseUnits units = BaseUnitsOf(page.font());
        QVERIFY(units.baseX > 0 && units.baseY > 0);
        QCOMPARE(page.control(kA1)->geometry(),
                 QRect(ScaleRounded(10, units.baseX, 4), ScaleRounded(27, units.baseY, 8),
                       ScaleRounded(50, units.baseX, 4), ScaleRounded(10, units.baseY, 8)));
        QCOMPARE(page.size(),
                 QSize(ScaleRounded(300, units.baseX, 4), ScaleRounded(200, units.baseY, 8)));
        // Base units come from the template font: a bigger font gives bigger units.
        const DialogBaseUnits large = BaseUnitsOf(MakeDialogFont("Microsoft Sans Serif", 10));
        QVERIFY(large.baseX >= units.baseX && large.baseY > units.baseY);
    }

    void cellHeightFontFitsItsCell() {
        for (int cell : {12, 18, 24}) {
            const QFont font = MakeCellHeightFont("System", cell);
            const int height = QFontMetrics(font).height();
            QVERIFY2(height <= cell && height >= cell - 3, qPrintable(QString::number(height)));
        }
    }

    void buildLeavesThePageHiddenAndShowsItsFields() {
        TestDialog page(kPage);
        page.m_imageRotate = 2;
        QVERIFY(!page.readFields());  // nothing to read before the page is built
        QCOMPARE(page.m_imageRotate, 2);
        QVERIFY(page.build(nullptr));
        QVERIFY(!page.isVisibleTo(page.parentWidget()));
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        QVERIFY(!page.control(kB2)->isVisibleTo(&page));  // no visible style
        QVERIFY(page.control(kA0)->isVisibleTo(&page));
        TemplateDialog missing(4242);
        QVERIFY(!missing.build(nullptr));  // no such template
    }
    void radioPositionsFollowTemplateOrder_data() {
        QTest::addColumn<int>("checkId");
        QTest::addColumn<int>("position");
        QTest::newRow("first") << kA0 << 0;
        QTest::newRow("after a static text") << kA1 << 1;
        QTest::newRow("after a check box") << kA2 << 2;
    }
    void radioPositionsFollowTemplateOrder() {
        QFETCH(int, checkId);
        QFETCH(int, position);
        TestDialog page(kPage);
        QVERIFY(page.build(nullptr));
        Button(page, checkId)->click();
        QVERIFY(page.readFields());
        QCOMPARE(page.m_imageRotate, position);
        QCOMPARE(page.m_tvMode, 0);  // the next group is apart
        QCOMPARE(page.radioGroup(kA0)->buttons().size(), 3);
        QVERIFY(page.radioGroup(kA1) == nullptr);  // not a group start
    }

    void writingAValueWithoutAButtonClearsTheGroup_data() {
        QTest::addColumn<int>("value");
        QTest::newRow("minus one") << -1;
        QTest::newRow("one past the last") << 3;
        QTest::newRow("far out") << 1000;
    }
    void writingAValueWithoutAButtonClearsTheGroup() {
        QFETCH(int, value);
        TestDialog page(kPage);
        page.m_imageRotate = 1;
        QVERIFY(page.build(nullptr));
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA1});
        page.m_imageRotate = value;
        page.m_tvMode = 1;
        QVERIFY(page.showFields());
        QVERIFY(CheckedIds(page, kGroupA).isEmpty());
        QCOMPARE(CheckedIds(page, kGroupB), QList<int>{kB1});
        page.m_imageRotate = 55;
        QVERIFY(page.readFields());
        QCOMPARE(page.m_imageRotate, -1);
        QCOMPARE(page.m_tvMode, 1);
        // A cleared group still takes the user's choice, and then only that one.
        Button(page, kA2)->click();
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
    }

    void hiddenRadioButtonKeepsItsPosition() {
        TestDialog page(kPage);
        page.m_tvMode = 2;
        QVERIFY(page.build(nullptr));
        QCOMPARE(CheckedIds(page, kGroupB), QList<int>{kB2});
        page.m_tvMode = 0;
        QVERIFY(page.readFields());
        QCOMPARE(page.m_tvMode, 2);
    }

    void userClickLeavesOneButtonChecked() {
        HostedPage hosted;
        TestDialog& page = hosted.page;
        QTest::mouseClick(Button(page, kA0), Qt::LeftButton);
        QTest::mouseClick(Button(page, kA2), Qt::LeftButton);
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        // Clicking the checked button again does not uncheck it.
        QTest::mouseClick(Button(page, kA2), Qt::LeftButton);
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        // Radio buttons of different groups do not exclude each other, though they share a
        // parent.
        QTest::mouseClick(Button(page, kB1), Qt::LeftButton);
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        QCOMPARE(CheckedIds(page, kGroupB), QList<int>{kB1});
    }

    void staticTextsShowTheirMnemonicMarkersAsTheirStyleSays() {
        TestDialog page(kPage);
        QVERIFY(page.build(nullptr));
        QCOMPARE(page.control<QLabel>(kPrefixed)->text(), QStringLiteral("Date and Time"));
        QCOMPARE(page.control<QLabel>(kLiteral)->text(), QStringLiteral("A & B"));
    }

    void checkBoxShowsItsSettingAsOneOrZero() {
        TestDialog page(kPage);
        page.m_syncClock = 1;
        QVERIFY(page.build(nullptr));
        QVERIFY(Button(page, kFlag)->isChecked());
        Button(page, kFlag)->setChecked(false);
        QVERIFY(page.readFields());
        QCOMPARE(page.m_syncClock, 0);
    }
    void sliderShowsItsSettingWithinItsRange() {
        TestDialog page(kPage);
        page.m_lightFreq = 50;
        QVERIFY(page.build(nullptr));
        auto* slider = page.control<QSlider>(kSlider);
        QCOMPARE(slider->value(), 12);
        QVERIFY(page.readFields());
        QCOMPARE(page.m_lightFreq, 12);
        page.m_lightFreq = -3;
        QVERIFY(page.showFields());
        QCOMPARE(slider->value(), 0);
        page.m_lightFreq = 7;
        QVERIFY(page.showFields());
        QVERIFY(page.readFields());
        QCOMPARE(page.m_lightFreq, 7);
    }
    void clickOnTheTrackMovesAFifthOfTheRange() {
        HostedPage hosted;
        QVERIFY(QTest::qWaitForWindowExposed(&hosted.host));
        auto* slider = qobject_cast<QSlider*>(hosted.page.control(kSlider));
        const struct {
            int maximum;
            int step;
        } cases[] = {{2, 1}, {4, 1}, {6, 1}, {12, 2}, {100, 20}};
        for (const auto& c : cases) {
            slider->setRange(0, c.maximum);
            slider->setValue(0);
            const QPoint nearEnd(slider->width() - SliderWidget::kChannelInset - 4,
                                 slider->height() / 2);
            QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, nearEnd);
            QCOMPARE(slider->value(), c.step);
        }
    }

    void arrowKeysMoveWithinTheGroupAndSelect() {
        HostedPage hosted;
        TestDialog& page = hosted.page;
        QSignalSpy clicks(page.radioGroup(kA0), &QButtonGroup::idClicked);
        Button(page, kA0)->setFocus();
        Button(page, kA0)->click();
        QTest::keyClick(Button(page, kA0), Qt::Key_Down);
        // The static text between is skipped; the radio button is focused and selected.
        QCOMPARE(page.focusWidget(), page.control(kA1));
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA1});
        QCOMPARE(clicks.size(), 2);  // selecting by arrow is a click
        QTest::keyClick(Button(page, kA1), Qt::Key_Right);
        QCOMPARE(page.focusWidget(), page.control(kBox));  // the check box takes focus only
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA1});
        QTest::keyClick(Button(page, kBox), Qt::Key_Down);
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        QTest::keyClick(Button(page, kA2), Qt::Key_Down);  // wraps inside the group
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA0});
        QTest::keyClick(Button(page, kA0), Qt::Key_Up);
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        // Hidden and disabled buttons are passed over.
        page.control(kB1)->setEnabled(false);
        Button(page, kB0)->setFocus();
        Button(page, kB0)->click();
        QTest::keyClick(Button(page, kB0), Qt::Key_Down);
        QCOMPARE(CheckedIds(page, kGroupB), QList<int>{kB0});
        QCOMPARE(page.focusWidget(), page.control(kB0));
    }

    void tabFollowsTemplateOrderAndStopsOncePerGroup() {
        HostedPage hosted;
        TestDialog& page = hosted.page;
        page.m_imageRotate = 2;
        page.m_tvMode = 1;
        QVERIFY(page.showFields());
        Button(page, kFlag)->setFocus();
        QList<QWidget*> visited;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(page.focusWidget(), Qt::Key_Tab);
            visited.append(page.focusWidget());
        }
        const QList<QWidget*> expected = {
            page.control(kA2),  // group A enters at its checked button
            page.control(kBox),   page.control(kB1),   page.control(kSlider),
            page.control(kPress), page.control(kFlag), page.control(kA2),
        };
        QCOMPARE(visited, expected);
        QTest::keyClick(page.focusWidget(), Qt::Key_Backtab);
        QCOMPARE(page.focusWidget(), page.control(kFlag));
    }

    void tabGoesThroughTheShownPageOfATabControl() {
        TemplateDialog window(kLists);
        QVERIFY(window.build(nullptr));
        auto* tabControl = window.control<TabControlWidget>(kTabs);
        TestDialog shownPage(kPage);
        TestDialog hiddenPage(kPage);
        QWidget* tabs = window.control(kTabs);
        QVERIFY(hiddenPage.build(tabs));
        QVERIFY(shownPage.build(tabs));
        shownPage.show();
        tabControl->addTab(QStringLiteral("One"));
        window.show();
        QApplication::setActiveWindow(&window);
        window.control(kListBox)->setFocus();
        QList<QWidget*> visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            visited.append(window.focusWidget());
        }
        // List box, then the tab control, then the controls of the page it shows.
        QCOMPARE(visited[0], tabControl->tabBar());
        QCOMPARE(visited[1], shownPage.control(kA0));
        QCOMPARE(visited[2], shownPage.control(kBox));
        QCOMPARE(visited[3], shownPage.control(kB0));
        for (QWidget* w : visited) {
            QVERIFY(!hiddenPage.isAncestorOf(w));
        }
        // Shift+Tab from the page's first stop goes back to the tab control.
        shownPage.control(kA0)->setFocus();
        QTest::keyClick(shownPage.control(kA0), Qt::Key_Backtab);
        QCOMPARE(window.focusWidget(), tabControl->tabBar());
    }

    void radioButtonsAreNamedAfterTheirHeading() {
        TestDialog page(kPage);
        QVERIFY(page.build(nullptr));
        QCOMPARE(page.control(kA1)->accessibleName(), QStringLiteral("Group A, A1"));
        QCOMPARE(page.control(kB1)->accessibleName(), QStringLiteral("Group B, B1"));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(page.control(kA0));
        QVERIFY(spoken != nullptr);
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Group A, A0"));
    }

    void modalEnterIsOk() {
        TestDialog dialog(kPopup);
        TemplateDialog::SetModalHook([](TemplateDialog& d) {
            Button(d, kA2)->click();
            QTest::keyClick(d.control(kA2), Qt::Key_Return);
            return 12345;
        });
        QCOMPARE(dialog.runModal(), QDialog::Accepted);
        QVERIFY(dialog.readFields());
        QCOMPARE(dialog.m_imageRotate, 2);
        QVERIFY(!dialog.isVisible());
    }
    void modalEscapeCloseAndCancelButtonAreCancel() {
        for (int way = 0; way < 3; ++way) {
            TestDialog dialog(kPopup);
            TemplateDialog::SetModalHook([way](TemplateDialog& d) {
                if (way == 0) {
                    QTest::keyClick(d.control(kA1), Qt::Key_Escape);
                } else if (way == 1) {
                    d.close();
                } else {
                    QTest::mouseClick(Button(d, kIdCancel), Qt::LeftButton);
                }
                return 12345;
            });
            QCOMPARE(dialog.runModal(), QDialog::Rejected);
        }
    }
    void modalHookAnswerStandsWhenTheDialogIsNotEnded() {
        TestDialog dialog(kPopup);
        TemplateDialog::SetModalHook([](TemplateDialog& d) {
            d.setWindowTitle(QStringLiteral("seen"));
            return QDialog::Rejected;
        });
        QCOMPARE(dialog.runModal(), QDialog::Rejected);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("seen"));
        TestDialog page(kPage);
        QCOMPARE(page.runModal(), -1);  // a page template is not a modal dialog
    }

    void hiddenDefaultButtonStillAnswersEnter() {
        TemplateDialog dialog(kHiddenDefault);
        TemplateDialog::SetModalHook([](TemplateDialog& d) {
            QWidget* edit = d.control(kEdit);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
            return -7;
        });
        QCOMPARE(dialog.runModal(), QDialog::Accepted);

        TemplateDialog disabled(kHiddenDefault);
        TemplateDialog::SetModalHook([](TemplateDialog& d) {
            d.control(kIdOk)->setEnabled(false);
            QTest::keyClick(d.control(kEdit), Qt::Key_Return);
            return -7;
        });
        QCOMPARE(disabled.runModal(), -7);
    }

    void enterInsideAPageEndsTheWindowAndNotThePage() {
        TestDialog window(kPopup);
        TestDialog page(kPage);
        TemplateDialog::SetModalHook([&page](TemplateDialog& d) {
            page.build(&d);
            page.show();
            QTest::keyClick(page.control(kA0), Qt::Key_Return);
            return 0;
        });
        QCOMPARE(window.runModal(), QDialog::Accepted);
        QVERIFY(page.isVisibleTo(&window));
    }

    void firstTabStopTakesTheFocusOfAModalDialog() {
        TemplateDialog dialog(kHiddenDefault);
        QWidget* focused = nullptr;
        TemplateDialog::SetModalHook([&focused](TemplateDialog& d) {
            focused = d.focusWidget();
            return 0;
        });
        dialog.runModal();
        QCOMPARE(focused, dialog.control(kEdit));  // the hidden buttons are passed over
    }

    void choiceListReportsOnlyTheUsersChoice() {
        TemplateDialog dialog(kLists);
        QVERIFY(dialog.build(nullptr));
        dialog.show();
        auto* list = dialog.control<ChoiceListWidget>(kListBox);
        QSignalSpy changes(list, &ChoiceListWidget::choiceChanged);
        for (const char* name : {"default", "night", "sport"}) list->insertChoice(-1, name);
        QCOMPARE(list->choice(), -1);
        list->setChoice(2);
        QCOMPARE(list->choice(), 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(list->choice(), 1);
        QCOMPARE(changes.size(), 1);
        // A click on empty space or Ctrl+click does not clear the choice.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->height() - 5));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(list->choice(), 1);
        list->removeChoice(1);  // the chosen one: nothing chosen after
        QCOMPARE(list->choice(), -1);
        list->setChoice(0);
        list->setChoice(-1);
        QCOMPARE(list->choice(), -1);
        QCOMPARE(list->item(1)->text(), QStringLiteral("sport"));
        QCOMPARE(changes.size(), 1);
    }

    void reportViewSaysWhichRowIsChosen() {
        TemplateDialog dialog(kLists);
        QVERIFY(dialog.build(nullptr));
        dialog.show();
        auto* list = dialog.control<ReportViewWidget>(kListView);
        QSignalSpy chosen(list, &ReportViewWidget::rowChosen);
        list->addColumn(QStringLiteral("Device"), 65);
        list->addColumn(QStringLiteral("Label"), 100);
        QCOMPARE(list->columnWidth(0), 65);
        list->setRowCount(2);
        list->cell(1, 0)->setText(QStringLiteral("/media/b/"));
        QVERIFY(list->cell(2, 0) == nullptr);
        list->chooseRow(1);
        list->chooseRow(0);
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(chosen.last().at(0).toInt(), 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 1)).center());
        QCOMPARE(chosen.last().at(0).toInt(), 1);
        QCOMPARE(list->chosenRow(), 1);
        QCOMPARE(list->cellText(1, 0), QStringLiteral("/media/b/"));
        list->clearRows();
        QCOMPARE(list->chosenRow(), -1);
        QCOMPARE(chosen.size(), 3);
    }

    void tabControlReportsOnlyTheUsersChange() {
        TemplateDialog dialog(kLists);
        QVERIFY(dialog.build(nullptr));
        dialog.show();
        auto* tabs = dialog.control<TabControlWidget>(kTabs);
        QSignalSpy changes(tabs, &TabControlWidget::tabChosen);
        for (int i = 0; i < 3; ++i) tabs->addTab(QStringLiteral("Page %1").arg(i));
        QCOMPARE(tabs->currentIndex(), 0);
        tabs->setCurrentIndex(2);
        QCOMPARE(changes.size(), 0);
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(changes.size(), 1);
    }
};

QTEST_MAIN(TemplateDialogTest)
#include "template_dialog_test.moc"
