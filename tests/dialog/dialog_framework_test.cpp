// The dialog framework on templates of its own: radio groups by template order, data exchange in
// both directions, notifications, keyboard navigation, modal runs.
#include <QAccessible>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <array>

#include "gui/dialog/dialog.h"
#include "tests/support/dialog_probe.h"

using namespace marlix;
using marlix::test_support::Button;
using marlix::test_support::CheckedIds;

namespace {

// The controls of the test templates: two radio groups with a static text and a check box
// inside the first, a slider, two static texts, a push button and a check box; the edit field
// and the three lists of two windows of their own.
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

constexpr unsigned kV = kVisible;
constexpr unsigned kT = kTabStop | kVisible;

// clang-format off
#define MARLIX_TEST_CONTROLS                                                                       \
    ControlTemplate{ControlKind::StaticText, kHeadingA, "Group A", {10, 5, 60, 8}, kGroup | kV},   \
    ControlTemplate{ControlKind::RadioButton, kA0, "A0", {10, 15, 50, 10}, kGroup | kT},           \
    ControlTemplate{ControlKind::StaticText, kBetween, "between", {70, 15, 50, 8}, kV},            \
    ControlTemplate{ControlKind::RadioButton, kA1, "A1", {10, 27, 50, 10}, kT},                    \
    ControlTemplate{ControlKind::CheckBox, kBox, "Box", {70, 27, 50, 10}, kT},                     \
    ControlTemplate{ControlKind::RadioButton, kA2, "A2", {10, 39, 50, 10}, kT},                    \
    ControlTemplate{ControlKind::StaticText, kHeadingB, "Group B", {10, 55, 60, 8}, kGroup | kV},  \
    ControlTemplate{ControlKind::RadioButton, kB0, "B0", {10, 65, 50, 10}, kGroup | kT},           \
    ControlTemplate{ControlKind::RadioButton, kB1, "B1", {70, 65, 50, 10}, kT},                    \
    ControlTemplate{ControlKind::RadioButton, kB2, "B2", {130, 65, 50, 10}, kTabStop},             \
    ControlTemplate{ControlKind::Slider, kSlider, {}, {10, 80, 150, 20}, kGroup | kT},             \
    ControlTemplate{ControlKind::StaticText, kPrefixed, "Date& and Time", {10, 105, 80, 8},        \
                    kGroup | kV},                                                                  \
    ControlTemplate{ControlKind::StaticText, kLiteral, "A & B", {100, 105, 60, 8},                 \
                    kV | kNoPrefix},                                                               \
    ControlTemplate{ControlKind::PushButton, kPress, "&Press", {10, 120, 50, 14}, kGroup | kT},    \
    ControlTemplate{ControlKind::CheckBox, kFlag, "Flag", {70, 120, 50, 10}, kGroup | kT}
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

class TestDialog : public CDialog {
public:
    explicit TestDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr)
        : CDialog(dialogTemplate, parent) {}

    int m_a = 0;
    int m_b = 0;
    int m_flag = 0;
    int m_slider = 0;
    QString m_label;
    CSliderCtrl m_sliderCtrl;

    int exchanges = 0;
    int presses = 0;
    int radioClicks = 0;
    int draws = 0;
    int okCalls = 0;

    void OnOK() override {
        ++okCalls;
        CDialog::OnOK();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        ++exchanges;
        DDX_Radio(pDX, kA0, m_a);
        DDX_Radio(pDX, kB0, m_b);
        DDX_Check(pDX, kFlag, m_flag);
        DDX_Slider(pDX, kSlider, m_slider);
        DDX_Control(pDX, kSlider, m_sliderCtrl);
        DDX_Text(pDX, kPrefixed, m_label);
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        m_sliderCtrl.SetRange(0, 12);
        return true;
    }
    void ConnectMessageMap() override {
        MapCommand(BN_CLICKED, kPress, &TestDialog::OnPress);
        MapCommand(BN_CLICKED, kA1, &TestDialog::OnRadio);
        MapNotify(NM_CUSTOMDRAW, kSlider, &TestDialog::OnDraw);
    }

private:
    void OnPress() { ++presses; }
    void OnRadio() { ++radioClicks; }
    void OnDraw(NMHDR* header, LRESULT* result) {
        QCOMPARE_EQ(header->idFrom, kSlider);
        QCOMPARE_EQ(header->code, NM_CUSTOMDRAW);
        *result = 0;
        ++draws;
    }
};

class ListDialog : public CDialog {
public:
    ListDialog() : CDialog(kLists) {}
    CListCtrl m_list;
    CListBox m_box;
    CTabCtrl m_tabs;
    QList<int> itemReports;
    int boxChanges = 0;
    int tabChanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kTabs, m_tabs);
        DDX_Control(pDX, kListBox, m_box);
        DDX_Control(pDX, kListView, m_list);
    }
    void ConnectMessageMap() override {
        MapNotify(TCN_SELCHANGE, kTabs, &ListDialog::OnTab);
        MapCommand(LBN_SELCHANGE, kListBox, &ListDialog::OnBox);
        MapNotify(LVN_ITEMCHANGED, kListView, &ListDialog::OnItem);
    }

private:
    void OnTab(NMHDR*, LRESULT* result) {
        ++tabChanges;
        *result = 0;
    }
    void OnBox() { ++boxChanges; }
    void OnItem(NMHDR* header, LRESULT*) {
        itemReports.append(reinterpret_cast<NMLISTVIEW*>(header)->iItem);
    }
};

// A page shown inside a host window, as the tab pages are.
struct HostedPage {
    QWidget host;
    TestDialog page{kPage};
    HostedPage() {
        host.resize(600, 500);
        page.Create(kPage.id, &host);
        page.ShowWindow(SW_SHOW);
        host.show();
        QApplication::setActiveWindow(&host);
    }
};

}  // namespace

class DialogFrameworkTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        CDialog::SetModalHook(nullptr);
        CDialog::SetMessageBoxHook(nullptr);
    }

    void mulDivRoundsHalfAwayFromZero_data() {
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
    void mulDivRoundsHalfAwayFromZero() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, expected);
        QCOMPARE(MulDiv(a, b, c), expected);
    }

    void controlsArePlacedInDialogUnits() {
        TestDialog page(kPage);
        QVERIFY(page.Create(kPage.id, nullptr));
        const DialogBaseUnits units = BaseUnitsOf(page.font());
        QVERIFY(units.baseX > 0 && units.baseY > 0);
        QCOMPARE(page.GetDlgItem(kA1)->geometry(),
                 QRect(MulDiv(10, units.baseX, 4), MulDiv(27, units.baseY, 8),
                       MulDiv(50, units.baseX, 4), MulDiv(10, units.baseY, 8)));
        QCOMPARE(page.size(), QSize(MulDiv(300, units.baseX, 4), MulDiv(200, units.baseY, 8)));
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

    void createLeavesThePageHiddenAndWritesIt() {
        TestDialog page(kPage);
        page.m_a = 2;
        page.m_label = QStringLiteral("shown");
        QVERIFY(!page.Create(4242, nullptr));  // no such template
        QVERIFY(page.Create(kPage.id, nullptr));
        QVERIFY(!page.isVisibleTo(page.parentWidget()));
        QCOMPARE(page.exchanges, 1);
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        QCOMPARE(GetWindowText(page.GetDlgItem(kPrefixed)), QStringLiteral("shown"));
        QVERIFY(!page.GetDlgItem(kB2)->isVisibleTo(&page));  // no visible style
        QVERIFY(page.GetDlgItem(kA0)->isVisibleTo(&page));
    }

    void updateDataBeforeCreateFails() {
        TestDialog page(kPage);
        page.m_a = 7;
        QVERIFY(!page.UpdateData(true));
        QCOMPARE(page.m_a, 7);
        QCOMPARE(page.exchanges, 0);
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
        QVERIFY(page.Create(kPage.id, nullptr));
        Button(page, checkId)->click();
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_a, position);
        QCOMPARE(page.m_b, 0);  // the next group is apart
        QCOMPARE(page.GetRadioGroup(kA0).size(), 3);
        QVERIFY(page.GetRadioGroup(kA1).isEmpty());  // not a group start
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
        page.m_a = 1;
        QVERIFY(page.Create(kPage.id, nullptr));
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA1});
        page.m_a = value;
        page.m_b = 1;
        QVERIFY(page.UpdateData(false));
        QVERIFY(CheckedIds(page, kGroupA).isEmpty());
        QCOMPARE(CheckedIds(page, kGroupB), QList<int>{kB1});
        page.m_a = 55;
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_a, -1);
        QCOMPARE(page.m_b, 1);
        // A cleared group still takes the user's choice, and then only that one.
        Button(page, kA2)->click();
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
    }

    void hiddenRadioButtonKeepsItsPosition() {
        TestDialog page(kPage);
        page.m_b = 2;
        QVERIFY(page.Create(kPage.id, nullptr));
        QCOMPARE(CheckedIds(page, kGroupB), QList<int>{kB2});
        page.m_b = 0;
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_b, 2);
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

    void checkAndTextExchange() {
        TestDialog page(kPage);
        page.m_flag = 1;
        page.m_label = QStringLiteral("50%");
        QVERIFY(page.Create(kPage.id, nullptr));
        QVERIFY(Button(page, kFlag)->isChecked());
        Button(page, kFlag)->setChecked(false);
        SetWindowText(page.GetDlgItem(kPrefixed), QStringLiteral("Mute"));
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_flag, 0);
        QCOMPARE(page.m_label, QStringLiteral("Mute"));
    }

    void staticTextsShowTheirMnemonicMarkersAsTheirStyleSays() {
        TestDialog page(kPage);
        page.m_label = QStringLiteral("Date& and Time");
        QVERIFY(page.Create(kPage.id, nullptr));
        auto* prefixed = qobject_cast<QLabel*>(page.GetDlgItem(kPrefixed));
        auto* literal = qobject_cast<QLabel*>(page.GetDlgItem(kLiteral));
        QCOMPARE(prefixed->text(), QStringLiteral("Date and Time"));
        QCOMPARE(GetWindowText(page.GetDlgItem(kPrefixed)), QStringLiteral("Date& and Time"));
        QCOMPARE(literal->text(), QStringLiteral("A & B"));
        SetWindowText(page.GetDlgItem(kPrefixed), QStringLiteral("R&&D"));
        QCOMPARE(prefixed->text(), QStringLiteral("R&D"));
    }

    void sliderWrittenBeforeItsRangeIsLimitedByTheRange() {
        TestDialog page(kPage);
        page.m_slider = 50;  // placed against 0..100 first, then limited by SetRange(0, 12)
        QVERIFY(page.Create(kPage.id, nullptr));
        QCOMPARE(page.m_sliderCtrl.GetPos(), 12);
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_slider, 12);
        page.m_slider = -3;
        QVERIFY(page.UpdateData(false));
        QCOMPARE(page.m_sliderCtrl.GetPos(), 0);
        page.m_slider = 7;
        QVERIFY(page.UpdateData(false));
        QVERIFY(page.UpdateData(true));
        QCOMPARE(page.m_slider, 7);
    }

    void ddxControlAttachesOnce() {
        TestDialog page(kPage);
        QVERIFY(page.Create(kPage.id, nullptr));
        QWidget* attached = page.m_sliderCtrl.GetSafeHwnd();
        QCOMPARE(attached, page.GetDlgItem(kSlider));
        QVERIFY(page.UpdateData(true));
        QVERIFY(page.UpdateData(false));
        QCOMPARE(page.m_sliderCtrl.GetSafeHwnd(), attached);
        CListBox wrongKind;
        QVERIFY(!wrongKind.Attach(page.GetDlgItem(kSlider)));
        QVERIFY(wrongKind.GetSafeHwnd() == nullptr);
    }

    void clickNotificationsComeFromTheUserOnly() {
        HostedPage hosted;
        TestDialog& page = hosted.page;
        page.m_a = 1;
        QVERIFY(page.UpdateData(false));  // checking by program is not a click
        Button(page, kA1)->setChecked(true);
        QCOMPARE(page.radioClicks, 0);
        QTest::mouseClick(Button(page, kA1), Qt::LeftButton);
        QCOMPARE(page.radioClicks, 1);
        QTest::mouseClick(Button(page, kPress), Qt::LeftButton);
        QCOMPARE(page.presses, 1);
        QTest::mouseClick(Button(page, kA0), Qt::LeftButton);  // not in the table
        QCOMPARE(page.radioClicks, 1);
    }

    void customDrawFollowsPaintsAndMoves() {
        HostedPage hosted;
        TestDialog& page = hosted.page;
        QVERIFY(QTest::qWaitForWindowExposed(&hosted.host));
        QWidget* slider = page.GetDlgItem(kSlider);
        const int before = page.draws;
        slider->repaint();
        QVERIFY(page.draws > before);
        const int afterPaint = page.draws;
        page.m_sliderCtrl.SetPos(5);
        QTRY_VERIFY(page.draws > afterPaint);
        // A hidden page is not drawn, so it sends nothing.
        page.ShowWindow(SW_HIDE);
        QCoreApplication::processEvents();
        const int hidden = page.draws;
        page.m_sliderCtrl.SetPos(9);
        QCoreApplication::processEvents();
        QCOMPARE(page.draws, hidden);
    }

    void arrowKeysMoveWithinTheGroupAndSelect() {
        HostedPage hosted;
        TestDialog& page = hosted.page;
        Button(page, kA0)->setFocus();
        Button(page, kA0)->click();
        QTest::keyClick(Button(page, kA0), Qt::Key_Down);
        // The static text between is skipped; the radio button is focused and selected.
        QCOMPARE(page.focusWidget(), page.GetDlgItem(kA1));
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA1});
        QCOMPARE(page.radioClicks, 1);  // selecting by arrow is a click
        QTest::keyClick(Button(page, kA1), Qt::Key_Right);
        QCOMPARE(page.focusWidget(), page.GetDlgItem(kBox));  // the check box takes focus only
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA1});
        QTest::keyClick(Button(page, kBox), Qt::Key_Down);
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        QTest::keyClick(Button(page, kA2), Qt::Key_Down);  // wraps inside the group
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA0});
        QTest::keyClick(Button(page, kA0), Qt::Key_Up);
        QCOMPARE(CheckedIds(page, kGroupA), QList<int>{kA2});
        // Hidden and disabled buttons are passed over.
        page.EnableWindow(page.GetDlgItem(kB1), false);
        Button(page, kB0)->setFocus();
        Button(page, kB0)->click();
        QTest::keyClick(Button(page, kB0), Qt::Key_Down);
        QCOMPARE(CheckedIds(page, kGroupB), QList<int>{kB0});
        QCOMPARE(page.focusWidget(), page.GetDlgItem(kB0));
    }

    void tabFollowsTemplateOrderAndStopsOncePerGroup() {
        HostedPage hosted;
        TestDialog& page = hosted.page;
        page.m_a = 2;
        page.m_b = 1;
        QVERIFY(page.UpdateData(false));
        Button(page, kFlag)->setFocus();
        QList<QWidget*> visited;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(page.focusWidget(), Qt::Key_Tab);
            visited.append(page.focusWidget());
        }
        const QList<QWidget*> expected = {
            page.GetDlgItem(kA2),  // group A enters at its checked button
            page.GetDlgItem(kBox),   page.GetDlgItem(kB1),   page.GetDlgItem(kSlider),
            page.GetDlgItem(kPress), page.GetDlgItem(kFlag), page.GetDlgItem(kA2),
        };
        QCOMPARE(visited, expected);
        QTest::keyClick(page.focusWidget(), Qt::Key_Backtab);
        QCOMPARE(page.focusWidget(), page.GetDlgItem(kFlag));
    }

    void tabGoesThroughTheShownPageOfATabControl() {
        ListDialog window;
        QVERIFY(window.Create(kLists.id, nullptr));
        TestDialog shownPage(kPage);
        TestDialog hiddenPage(kPage);
        QWidget* tabs = window.GetDlgItem(kTabs);
        QVERIFY(hiddenPage.Create(kPage.id, tabs));
        QVERIFY(shownPage.Create(kPage.id, tabs));
        shownPage.ShowWindow(SW_SHOW);
        window.m_tabs.InsertItem(0, QStringLiteral("One"));
        window.show();
        QApplication::setActiveWindow(&window);
        window.GetDlgItem(kListBox)->setFocus();
        QList<QWidget*> visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            visited.append(window.focusWidget());
        }
        // List box, then the tab control, then the controls of the page it shows.
        QCOMPARE(visited[0], window.m_tabs.tabControl()->tabBar());
        QCOMPARE(visited[1], shownPage.GetDlgItem(kA0));
        QCOMPARE(visited[2], shownPage.GetDlgItem(kBox));
        QCOMPARE(visited[3], shownPage.GetDlgItem(kB0));
        for (QWidget* w : visited) {
            QVERIFY(!hiddenPage.isAncestorOf(w));
        }
        // Shift+Tab from the page's first stop goes back to the tab control.
        shownPage.GetDlgItem(kA0)->setFocus();
        QTest::keyClick(shownPage.GetDlgItem(kA0), Qt::Key_Backtab);
        QCOMPARE(window.focusWidget(), window.m_tabs.tabControl()->tabBar());
    }

    void radioButtonsAreNamedAfterTheirHeading() {
        TestDialog page(kPage);
        QVERIFY(page.Create(kPage.id, nullptr));
        QCOMPARE(page.GetDlgItem(kA1)->accessibleName(), QStringLiteral("Group A, A1"));
        QCOMPARE(page.GetDlgItem(kB1)->accessibleName(), QStringLiteral("Group B, B1"));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(page.GetDlgItem(kA0));
        QVERIFY(spoken != nullptr);
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("Group A, A0"));
    }

    void modalEnterIsOkAndReadsTheControls() {
        TestDialog dialog(kPopup);
        dialog.m_a = 0;
        CDialog::SetModalHook([](CDialog& d) {
            Button(d, kA2)->click();
            QTest::keyClick(d.GetDlgItem(kA2), Qt::Key_Return);
            return 12345;
        });
        QCOMPARE(dialog.DoModal(), IDOK);
        QCOMPARE(dialog.okCalls, 1);
        QCOMPARE(dialog.m_a, 2);
        QVERIFY(!dialog.isVisible());
    }

    void modalEscapeAndCloseAreCancelWithoutReading() {
        for (int way = 0; way < 3; ++way) {
            TestDialog dialog(kPopup);
            dialog.m_a = 0;
            CDialog::SetModalHook([way](CDialog& d) {
                Button(d, kA1)->click();
                if (way == 0) {
                    QTest::keyClick(d.GetDlgItem(kA1), Qt::Key_Escape);
                } else if (way == 1) {
                    d.close();
                } else {
                    QTest::mouseClick(Button(d, IDCANCEL), Qt::LeftButton);
                }
                return 0;
            });
            QCOMPARE(dialog.DoModal(), IDCANCEL);
            QCOMPARE(dialog.m_a, 0);
            QCOMPARE(dialog.okCalls, 0);
        }
    }

    void modalHookAnswerStandsWhenTheDialogIsNotEnded() {
        TestDialog dialog(kPopup);
        CDialog::SetModalHook([](CDialog& d) {
            d.setWindowTitle(QStringLiteral("seen"));
            return IDCANCEL;
        });
        QCOMPARE(dialog.DoModal(), IDCANCEL);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("seen"));
        TestDialog page(kPage);
        QCOMPARE(page.DoModal(), -1);  // a page template is not a modal dialog
    }

    void hiddenDefaultButtonStillAnswersEnter() {
        CDialog dialog(kHiddenDefault);
        CDialog::SetModalHook([](CDialog& d) {
            QWidget* edit = d.GetDlgItem(kEdit);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
            return -7;
        });
        QCOMPARE(dialog.DoModal(), IDOK);

        CDialog disabled(kHiddenDefault);
        CDialog::SetModalHook([](CDialog& d) {
            d.GetDlgItem(IDOK)->setEnabled(false);
            QTest::keyClick(d.GetDlgItem(kEdit), Qt::Key_Return);
            return -7;
        });
        QCOMPARE(disabled.DoModal(), -7);
    }

    void enterInsideAPageEndsTheWindowAndNotThePage() {
        TestDialog window(kPopup);
        TestDialog page(kPage);
        CDialog::SetModalHook([&page](CDialog& d) {
            page.Create(kPage.id, &d);
            page.ShowWindow(SW_SHOW);
            QTest::keyClick(page.GetDlgItem(kA0), Qt::Key_Return);
            return 0;
        });
        QCOMPARE(window.DoModal(), IDOK);
        QCOMPARE(page.okCalls, 0);
        QVERIFY(page.isVisibleTo(&window));
    }

    void firstTabStopTakesTheFocusOfAModalDialog() {
        CDialog dialog(kHiddenDefault);
        QWidget* focused = nullptr;
        CDialog::SetModalHook([&focused](CDialog& d) {
            focused = d.focusWidget();
            return 0;
        });
        dialog.DoModal();
        QCOMPARE(focused, dialog.GetDlgItem(kEdit));  // the hidden buttons are passed over
    }

    void messageBoxHookAnswers() {
        TestDialog dialog(kPopup);
        QString seen;
        CDialog::SetMessageBoxHook([&seen](const QString& text, const QString& caption) {
            seen = caption + u'|' + text;
            return IDOK;
        });
        QCOMPARE(dialog.MessageBoxW(QStringLiteral("Taken"), QStringLiteral("Notify")), IDOK);
        QCOMPARE(seen, QStringLiteral("Notify|Taken"));
    }

    void listBoxReportsOnlyTheUsersSelection() {
        ListDialog dialog;
        QVERIFY(dialog.Create(kLists.id, nullptr));
        dialog.show();
        CListBox& box = dialog.m_box;
        QCOMPARE(box.AddString(QStringLiteral("default")), 0);
        QCOMPARE(box.AddString(QStringLiteral("night")), 1);
        QCOMPARE(box.InsertString(box.GetCount(), QStringLiteral("sport")), 2);
        QCOMPARE(box.InsertString(9, QStringLiteral("bad")), LB_ERR);
        QCOMPARE(box.GetCurSel(), LB_ERR);
        QCOMPARE(box.SetCurSel(2), 2);
        QCOMPARE(box.GetCurSel(), 2);
        QCOMPARE(dialog.boxChanges, 0);
        ListBoxWidget* widget = box.listBox();
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                          widget->visualItemRect(widget->item(1)).center());
        QCOMPARE(box.GetCurSel(), 1);
        QCOMPARE(dialog.boxChanges, 1);
        QCOMPARE(box.DeleteString(1), 2);  // the selected one: nothing selected after
        QCOMPARE(box.GetCurSel(), LB_ERR);
        QCOMPARE(box.SetCurSel(0), 0);
        QCOMPARE(box.SetCurSel(-1), LB_ERR);
        QCOMPARE(box.GetCurSel(), LB_ERR);
        QCOMPARE(box.GetText(1), QStringLiteral("sport"));
        QCOMPARE(dialog.boxChanges, 1);
    }

    void listViewReportsStateChangesLastForTheGainingItem() {
        ListDialog dialog;
        QVERIFY(dialog.Create(kLists.id, nullptr));
        dialog.show();
        CListCtrl& list = dialog.m_list;
        QCOMPARE(list.InsertItem(0, QStringLiteral("x")), -1);  // no column yet
        QCOMPARE(list.InsertColumn(0, QStringLiteral("Device"), LVCFMT_LEFT, 65), 0);
        QCOMPARE(list.InsertColumn(1, QStringLiteral("Label"), LVCFMT_LEFT, 100), 1);
        QCOMPARE(list.listView()->columnWidth(0), 65);
        QCOMPARE(list.InsertItem(0, QStringLiteral("/media/a/")), 0);
        QCOMPARE(list.InsertItem(5, QStringLiteral("/media/b/")), 1);  // appended
        QVERIFY(list.SetItemText(1, 1, QStringLiteral("CARD")));
        QVERIFY(!list.SetItemText(2, 1, QStringLiteral("none")));
        QVERIFY(dialog.itemReports.isEmpty());  // inserting and sub-item text are silent
        // The client area lies inside the border, so columns that add up to its width need no
        // scroll bar.
        QRect client;
        list.GetClientRect(&client);
        QCOMPARE(client.size(), list.GetSafeHwnd()->contentsRect().size());
        QVERIFY(client.width() < list.GetSafeHwnd()->width());
        QVERIFY(list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
        QCOMPARE(dialog.itemReports, QList<int>{1});
        QVERIFY(list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
        QCOMPARE(dialog.itemReports.last(), 0);
        QCOMPARE(list.GetItemState(1, LVIS_SELECTED), 0u);
        QCOMPARE(list.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED | LVIS_FOCUSED);
        dialog.itemReports.clear();
        ListViewWidget* widget = list.listView();
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                          widget->visualRect(widget->model()->index(1, 1)).center());
        QVERIFY(!dialog.itemReports.isEmpty());
        QCOMPARE(dialog.itemReports.last(), 1);
        QCOMPARE(list.GetItemText(1, 0), QStringLiteral("/media/b/"));
        dialog.itemReports.clear();
        QVERIFY(list.DeleteAllItems());
        QCOMPARE(list.GetItemCount(), 0);
        QVERIFY(dialog.itemReports.isEmpty());
        list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        QVERIFY(widget->showGrid());
    }

    void tabControlReportsOnlyTheUsersChange() {
        ListDialog dialog;
        QVERIFY(dialog.Create(kLists.id, nullptr));
        dialog.show();
        CTabCtrl& tabs = dialog.m_tabs;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(tabs.InsertItem(i, QStringLiteral("Page %1").arg(i)), i);
        }
        QCOMPARE(tabs.GetCurSel(), 0);
        QCOMPARE(tabs.SetCurSel(2), 0);
        QCOMPARE(dialog.tabChanges, 0);
        QTabBar* bar = tabs.tabControl()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(tabs.GetCurSel(), 1);
        QCOMPARE(dialog.tabChanges, 1);
        QRect client;
        tabs.GetClientRect(&client);
        QCOMPARE(client.topLeft(), QPoint(0, 0));
        QCOMPARE(client.size(), tabs.GetSafeHwnd()->size());
    }
};

QTEST_MAIN(DialogFrameworkTest)
#include "dialog_framework_test.moc"
