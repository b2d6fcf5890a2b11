// Every dialog laid out at its real fonts: controls inside the dialog (and a page inside the room
// the main window gives it), no two visible controls on top of each other, no caption cut off,
// every character of every caption covered by an installed font.
//
// With MARLIX_SHOT_DIR set, each page is also drawn into a tab control of the main window's size
// and saved there as a PNG, for looking at.
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTest>
#include <memory>
#include <vector>

#include "pages/page_logic.h"
#include "pages/settings_pages.h"

using namespace marlix;

namespace {

constexpr int kPages[] = {kIddModePage, kIddVideoPage, kIddPhotoPage, kIddSystemPage,
                          kIddImagePage};  // tab order
constexpr int kAllTemplates[] = {kIddModePage,  kIddVideoPage, kIddPhotoPage,  kIddSystemPage,
                                 kIddImagePage, kIddAboutBox,  kIddNewProfile, kIddMain};

std::unique_ptr<CDialog> MakePage(int id) {
    switch (id) {
        case kIddModePage:
            return std::make_unique<CDlgTab1>();
        case kIddVideoPage:
            return std::make_unique<CDlgTab2>();
        case kIddImagePage:
            return std::make_unique<CDlgTab3>();
        case kIddPhotoPage:
            return std::make_unique<CDlgTab4>();
        case kIddSystemPage:
            return std::make_unique<CDlgTab5>();
        default:
            return std::make_unique<CDialog>(id);
    }
}

bool IsPage(int id) {
    return (GetDialogTemplate(id).style & kDsChild) != 0;
}

// The room a page gets: the tab control of the main window less the tabs and the frame.
QRect PageArea() {
    const DialogBaseUnits main = BaseUnitsOf(MakeDialogFont("MS Shell Dlg", 8));
    const int width = DluToPixelsX(640, main);
    const int height = DluToPixelsY(329, main);
    return QRect(0, 0, width - 5, height - 30);
}

// Where a control draws: a slider's channel keeps clear of its ends.
QRect Occupied(QWidget* control) {
    QRect area = control->geometry();
    if (qobject_cast<SliderWidget*>(control) != nullptr) {
        area.adjust(SliderWidget::kChannelInset, 0, -SliderWidget::kChannelInset, 0);
    }
    return area;
}

// The main window's banner lies over the strip right of the tab headers, which the tab control
// leaves empty.
bool BannerOverTabs(const CDialog& dialog, QWidget* a, QWidget* b) {
    const ControlKind ka = dialog.GetControlTemplate(a)->kind;
    const ControlKind kb = dialog.GetControlTemplate(b)->kind;
    return (ka == ControlKind::StaticBitmap && kb == ControlKind::TabControl) ||
           (kb == ControlKind::StaticBitmap && ka == ControlKind::TabControl);
}

QString Describe(const CDialog& dialog, QWidget* control) {
    const ControlTemplate* t = dialog.GetControlTemplate(control);
    return QStringLiteral("dialog %1, control %2 \"%3\"")
        .arg(dialog.GetTemplateId())
        .arg(t->id)
        .arg(QString::fromUtf8(t->caption.data(), static_cast<qsizetype>(t->caption.size())));
}

// The texts a value label can be given, besides its template caption.
QStringList ValueTexts(int templateId, int controlId) {
    QStringList texts;
    auto add = [&texts](std::string (*text)(int), int count) {
        for (int i = 0; i < count; ++i) {
            texts << QString::fromStdString(text(i));
        }
    };
    if (templateId == kIddVideoPage && controlId == 1084) {
        add(&MicVolumeText, 7);
    } else if (templateId == kIddImagePage && controlId == 1059) {
        add(&EvText, 13);
    } else if (templateId == kIddImagePage && controlId == 1111) {
        add(&SharpnessText, 5);
    }
    return texts;
}

QString Shown(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

}  // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void fontsResolveToTheMappedFamilies() {
        const QFont shell = MakeDialogFont("MS Shell Dlg", 8);
#ifdef _WIN32
        // The face the system gives "MS Shell Dlg", as native dialogs get it, and installed.
        const QSettings substitutes(
            "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
            QSettings::NativeFormat);
        const QString shellFace = substitutes.value("MS Shell Dlg").toString().section(',', 0, 0);
        QVERIFY(!shellFace.isEmpty());
        QCOMPARE(QFontInfo(shell).family(), shellFace);
        QCOMPARE(QFontInfo(MakeDialogFont("Microsoft Sans Serif", 10)).family(),
                 QStringLiteral("Microsoft Sans Serif"));
#else
        QCOMPARE(QFontInfo(shell).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(MakeDialogFont("Microsoft Sans Serif", 10)).family(),
                 QStringLiteral("Liberation Sans"));
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("WenQuanYi Micro Hei")));
#endif
        QCOMPARE(QFontInfo(shell).pixelSize(), 11);
    }

    void everyCaptionCharacterHasAGlyph() {
        for (int id : kAllTemplates) {
            const DialogTemplate& t = GetDialogTemplate(id);
            QList<QFontMetrics> metrics;
            for (const QString& family : FontFamiliesFor(t.fontFace)) {
                QFont font(family);
                font.setPixelSize(MulDiv(t.pointSize, 96, 72));
                metrics.append(QFontMetrics(font));
            }
            QStringList captions;
            for (const ControlTemplate& c : t.controls) {
                captions << QString::fromUtf8(c.caption.data(),
                                              static_cast<qsizetype>(c.caption.size()));
            }
            captions << QString::fromUtf8(t.caption.data(),
                                          static_cast<qsizetype>(t.caption.size()));
            for (const QString& caption : captions) {
                for (char32_t ch : caption.toUcs4()) {
                    bool covered = false;
                    for (const QFontMetrics& m : metrics) {
                        covered = covered || m.inFontUcs4(ch);
                    }
                    QVERIFY2(covered,
                             qPrintable(QStringLiteral("dialog %1: U+%2 in \"%3\"")
                                            .arg(id)
                                            .arg(static_cast<uint>(ch), 4, 16, QLatin1Char('0'))
                                            .arg(caption)));
                }
            }
        }
    }

    void controlsStayInsideTheirDialog() {
        const QRect area = PageArea();
        for (int id : kAllTemplates) {
            std::unique_ptr<CDialog> dialog = MakePage(id);
            QVERIFY(dialog->Create(id, nullptr));
            const QRect bounds = dialog->rect();
            for (QWidget* control : dialog->GetControls()) {
                if (!control->isVisibleTo(dialog.get())) {
                    continue;
                }
                const QRect geometry = control->geometry();
                QVERIFY2(bounds.contains(geometry), qPrintable(Describe(*dialog, control)));
                if (IsPage(id)) {
                    QVERIFY2(area.contains(geometry),
                             qPrintable(Describe(*dialog, control) + " leaves the tab area"));
                }
            }
        }
    }

    void visibleControlsDoNotOverlap() {
        QStringList problems;
        for (int id : kAllTemplates) {
            std::unique_ptr<CDialog> dialog = MakePage(id);
            QVERIFY(dialog->Create(id, nullptr));
            QList<QWidget*> visible;
            for (QWidget* control : dialog->GetControls()) {
                if (control->isVisibleTo(dialog.get()) && !Occupied(control).isEmpty()) {
                    visible.append(control);
                }
            }
            for (qsizetype i = 0; i < visible.size(); ++i) {
                for (qsizetype j = i + 1; j < visible.size(); ++j) {
                    if (Occupied(visible[i]).intersects(Occupied(visible[j])) &&
                        !BannerOverTabs(*dialog, visible[i], visible[j])) {
                        problems << Describe(*dialog, visible[i]) + " overlaps " +
                                        Describe(*dialog, visible[j]);
                    }
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void captionsAreNotCutOff() {
        QStringList problems;
        auto expect = [&problems](bool fits, const QString& what) {
            if (!fits) {
                problems << what;
            }
        };
        for (int id : kAllTemplates) {
            std::unique_ptr<CDialog> dialog = MakePage(id);
            QVERIFY(dialog->Create(id, nullptr));
            for (QWidget* control : dialog->GetControls()) {
                const ControlTemplate* t = dialog->GetControlTemplate(control);
                const QFontMetrics metrics(control->font());
                const QString what = Describe(*dialog, control);
                if (auto* label = qobject_cast<QLabel*>(control)) {
                    if (label->pixmap().isNull() && t->kind == ControlKind::StaticText) {
                        QStringList texts = ValueTexts(id, t->id);
                        if (texts.isEmpty()) {
                            texts << label->text();
                        }
                        for (const QString& text : texts) {
                            expect(metrics.horizontalAdvance(text) <= label->width(),
                                   what + QStringLiteral(" cannot show \"%1\": %2 px, has %3")
                                              .arg(text)
                                              .arg(metrics.horizontalAdvance(text))
                                              .arg(label->width()));
                        }
                        expect(metrics.height() <= label->height(), what + " is too low");
                    }
                } else if (auto* push = qobject_cast<QPushButton*>(control)) {
                    const int margin = push->style()->pixelMetric(QStyle::PM_ButtonMargin);
                    expect(metrics.horizontalAdvance(Shown(push->text())) + 2 * margin <=
                               push->width(),
                           what);
                } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                    // Indicator, spacing and text as the style lays them out.
                    expect(button->sizeHint().width() <= button->width(),
                           what + QStringLiteral(" needs %1 px, has %2")
                                      .arg(button->sizeHint().width())
                                      .arg(button->width()));
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    void drawPagesForLooking() {
        const QString dir = qEnvironmentVariable("MARLIX_SHOT_DIR");
        if (dir.isEmpty()) {
            QSKIP("MARLIX_SHOT_DIR not set: nothing to draw");
        }
        QDir().mkpath(dir);
        const DialogBaseUnits main = BaseUnitsOf(MakeDialogFont("MS Shell Dlg", 8));
        const QStringList captions = {"Mode Setting", "Video Setting", "Photo Setting",
                                      "System Setting", "Image Setting"};
        for (int tab = 0; tab < 5; ++tab) {
            TabControlWidget tabs;
            tabs.setFont(MakeCellHeightFont("System", 18));
            tabs.resize(DluToPixelsX(640, main), DluToPixelsY(329, main));
            for (int i = 0; i < 5; ++i) {
                tabs.insertItem(i, captions[i]);
            }
            tabs.setCurSel(tab);
            std::unique_ptr<CDialog> page = MakePage(kPages[tab]);
            QVERIFY(page->Create(kPages[tab], &tabs));
            page->MoveWindow(1, 26, tabs.width() - 5, tabs.height() - 30);
            page->ShowWindow(SW_SHOW);
            tabs.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tabs));
            QCoreApplication::processEvents();
            QVERIFY(tabs.grab().save(dir + QStringLiteral("/page-%1.png").arg(kPages[tab])));
        }
        {
            // The main window as the program sets it up, pages and all.
            CDialog window(kIddMain);
            QVERIFY(window.Create(kIddMain, nullptr));
            CTabCtrl tabs;
            CListCtrl devices;
            CListBox profiles;
            QVERIFY(tabs.Attach(window.GetDlgItem(kIdcTab)));
            QVERIFY(devices.Attach(window.GetDlgItem(kIdcDeviceList)));
            QVERIFY(profiles.Attach(window.GetDlgItem(kIdcProfileList)));
            const QFont uiFont = MakeCellHeightFont("System", 18);
            profiles.SetFont(uiFont);
            tabs.SetFont(uiFont);
            for (int i = 0; i < 5; ++i) {
                tabs.InsertItem(i, captions[i]);
            }
            std::vector<std::unique_ptr<CDialog>> pages;
            QRect client;
            tabs.GetClientRect(&client);
            for (int id : kPages) {
                pages.push_back(MakePage(id));
                QVERIFY(pages.back()->Create(id, tabs.GetSafeHwnd()));
                pages.back()->MoveWindow(1, 26, client.width() - 5, client.height() - 30);
            }
            pages.front()->ShowWindow(SW_SHOW);
            devices.SetExtendedStyle(devices.GetExtendedStyle() | LVS_EX_GRIDLINES |
                                     LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT);
            CImageList images;
            images.Create(32, 32, 0x19, 1, 1);
            images.SetBkColor(Qt::white);
            images.Add(window.style()->standardIcon(QStyle::SP_DriveHDIcon));
            devices.SetImageList(&images, LVSIL_SMALL);
            QRect listClient;
            devices.GetClientRect(&listClient);
            devices.InsertColumn(0, QStringLiteral("Device"), LVCFMT_LEFT, 65);
            devices.InsertColumn(1, QStringLiteral("Label"), LVCFMT_LEFT, 100);
            devices.InsertColumn(2, QStringLiteral("Description"), LVCFMT_LEFT, 200);
            devices.InsertColumn(3, QStringLiteral("Version"), LVCFMT_LEFT,
                                 listClient.width() - 365);
            devices.InsertItem(0, QStringLiteral("/media/card/"));
            devices.SetItemText(0, 1, QStringLiteral("CAMERA"));
            devices.SetItemText(0, 2, QStringLiteral("30424 MB/30436 MB(29 G/29 G)"));
            devices.SetItemText(0, 3, QStringLiteral("No infomation"));
            devices.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            profiles.AddString(QStringLiteral("default"));
            profiles.AddString(QStringLiteral("night"));
            profiles.SetCurSel(0);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCoreApplication::processEvents();
            QVERIFY(window.grab().save(dir + QStringLiteral("/dialog-%1.png").arg(kIddMain)));
        }
        for (int id : {kIddAboutBox, kIddNewProfile}) {
            CDialog dialog(id);
            QVERIFY(dialog.Create(id, nullptr));
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QVERIFY(dialog.grab().save(dir + QStringLiteral("/dialog-%1.png").arg(id)));
        }
    }
};

QTEST_MAIN(PageLayoutTest)
#include "page_layout_test.moc"
