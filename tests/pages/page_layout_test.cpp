// Every dialog laid out at its real fonts: controls inside the dialog (and a page inside the room
// the main window gives it), no two visible controls on top of each other, no caption cut off,
// every character of every caption covered by an installed font. scripts/render-pages draws the
// pages for looking at them. CTest runs it once in English and once in each language marlix has
// a translation for (MARLIX_TEST_LANGUAGE), which is what long German or Russian captions meet.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <memory>

#include "core/pages/page_logic.h"
#include "gui/app/main_window.h"
#include "gui/layout/captions.h"
#include "gui/pages/settings_pages.h"

using namespace marlix;

namespace {

std::unique_ptr<TemplateDialog> MakeDialog(int id) {
    switch (id) {
        case ModePage::kTemplateId:
            return std::make_unique<ModePage>();
        case VideoPage::kTemplateId:
            return std::make_unique<VideoPage>();
        case ImagePage::kTemplateId:
            return std::make_unique<ImagePage>();
        case PhotoPage::kTemplateId:
            return std::make_unique<PhotoPage>();
        case SystemPage::kTemplateId:
            return std::make_unique<SystemPage>();
        default:
            return std::make_unique<TemplateDialog>(id);
    }
}

bool IsPage(const DialogTemplate& t) {
    return (t.style & kDsChild) != 0;
}

// The room a page gets in the main window's tab control.
QRect PageArea() {
    TemplateDialog main(kIddMain);
    main.build(nullptr);
    return QRect(QPoint(0, 0), TabPageRect(main.control(kIdcTab)->rect()).size());
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
bool BannerOverTabs(const TemplateDialog& dialog, QWidget* a, QWidget* b) {
    const ControlKind ka = dialog.controlTemplate(a)->kind;
    const ControlKind kb = dialog.controlTemplate(b)->kind;
    return (ka == ControlKind::StaticBitmap && kb == ControlKind::TabControl) ||
           (kb == ControlKind::StaticBitmap && ka == ControlKind::TabControl);
}

QString Describe(const TemplateDialog& dialog, QWidget* control) {
    const ControlTemplate* t = dialog.controlTemplate(control);
    return QStringLiteral("dialog %1, control %2 \"%3\"")
        .arg(dialog.templateId())
        .arg(t->id)
        .arg(CaptionText(t->caption));
}

// The texts a value label can be given, besides its template caption.
QStringList ValueTexts(int templateId, int controlId) {
    QStringList texts;
    auto add = [&texts](std::string (*text)(int), int count) {
        for (int i = 0; i < count; ++i) {
            texts << QString::fromStdString(text(i));
        }
    };
    if (templateId == kIddVideoPage && controlId == kIdcMicVolText) {
        add(&MicVolumeText, 7);
    } else if (templateId == kIddImagePage && controlId == kIdcEvText) {
        add(&EvText, 13);
    } else if (templateId == kIddImagePage && controlId == kIdcSharpnessText) {
        add(&SharpnessText, 5);
    }
    return texts;
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
        // Full-width forms in a Latin caption come from the program's own small font, not from
        // a CJK font of megabytes; in Chinese and Japanese from the CJK font, as the text does.
        QTextLayout layout(QStringLiteral("16M（4608x3456  4：3）"), shell);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QStringList families;
        for (const QGlyphRun& run : layout.glyphRuns()) families << run.rawFont().familyName();
        const bool cjk = QLocale().script() == QLocale::SimplifiedHanScript ||
                         QLocale().script() == QLocale::JapaneseScript;
        QCOMPARE(families.contains(QStringLiteral("WenQuanYi Micro Hei")), cjk);
        QCOMPARE(families.contains(QStringLiteral("marlix fullwidth forms")), !cjk);
#endif
        QCOMPARE(QFontInfo(shell).pixelSize(), 11);
    }

    void everyCaptionCharacterHasAGlyph() {
        for (const DialogTemplate& t : DialogTemplates()) {
            QList<QFontMetrics> metrics;
            for (const QString& family : FontFamiliesFor(t.fontFace)) {
                QFont font(family);
                font.setPixelSize(ScaleRounded(t.pointSize, 96, 72));
                metrics.append(QFontMetrics(font));
            }
            QStringList captions;
            for (const ControlTemplate& c : t.controls) {
                captions << TranslatedCaption(t.translationContext, c.caption);
            }
            captions << TranslatedCaption(t.translationContext, t.caption);
            for (const QString& caption : captions) {
                for (char32_t ch : caption.toUcs4()) {
                    bool covered = false;
                    for (const QFontMetrics& m : metrics) {
                        covered = covered || m.inFontUcs4(ch);
                    }
                    QVERIFY2(covered,
                             qPrintable(QStringLiteral("dialog %1: U+%2 in \"%3\"")
                                            .arg(t.id)
                                            .arg(static_cast<uint>(ch), 4, 16, QLatin1Char('0'))
                                            .arg(caption)));
                }
            }
        }
    }

    void controlsStayInsideTheirDialog() {
        const QRect area = PageArea();
        for (const DialogTemplate& t : DialogTemplates()) {
            std::unique_ptr<TemplateDialog> dialog = MakeDialog(t.id);
            QVERIFY(dialog->build(nullptr));
            for (QWidget* control : dialog->controls()) {
                // The dialog, or the canvas that scrolls in it on a small screen.
                const QRect bounds = control->parentWidget()->rect();
                if (!control->isVisibleTo(dialog.get())) {
                    continue;
                }
                const QRect geometry = control->geometry();
                QVERIFY2(bounds.contains(geometry), qPrintable(Describe(*dialog, control)));
                if (IsPage(t)) {
                    QVERIFY2(area.contains(geometry),
                             qPrintable(Describe(*dialog, control) + " leaves the tab area"));
                }
            }
        }
    }

    void visibleControlsDoNotOverlap() {
        QStringList problems;
        for (const DialogTemplate& t : DialogTemplates()) {
            std::unique_ptr<TemplateDialog> dialog = MakeDialog(t.id);
            QVERIFY(dialog->build(nullptr));
            QList<QWidget*> visible;
            for (QWidget* control : dialog->controls()) {
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

    // The tab headers, as long as the language makes them, end before the banner beside them.
    void tabHeadersEndBeforeTheBanner() {
        TemplateDialog main(kIddMain);
        QVERIFY(main.build(nullptr));
        auto* tabs = main.control<TabControlWidget>(kIdcTab);
        for (const char* caption :
             {ModePage::kTabCaption, PhotoPage::kTabCaption, VideoPage::kTabCaption,
              SystemPage::kTabCaption, ImagePage::kTabCaption}) {
            tabs->addTab(caption);
        }
        QWidget* banner = nullptr;
        for (QWidget* control : main.controls()) {
            if (main.controlTemplate(control)->kind == ControlKind::StaticBitmap)
                banner = control;
        }
        QVERIFY(banner != nullptr);
        const int headersEnd = tabs->x() + tabs->tabBar()->x() + tabs->tabBar()->sizeHint().width();
        QVERIFY2(headersEnd <= banner->x(),
                 qPrintable(QStringLiteral("the tabs end at %1, the banner starts at %2")
                                .arg(headersEnd)
                                .arg(banner->x())));
    }

    void captionsAreNotCutOff() {
        QStringList problems;
        auto expect = [&problems](bool fits, const QString& what) {
            if (!fits) {
                problems << what;
            }
        };
        for (const DialogTemplate& t : DialogTemplates()) {
            std::unique_ptr<TemplateDialog> dialog = MakeDialog(t.id);
            QVERIFY(dialog->build(nullptr));
            for (QWidget* control : dialog->controls()) {
                const ControlTemplate* c = dialog->controlTemplate(control);
                const QFontMetrics metrics(control->font());
                const QString what = Describe(*dialog, control);
                if (auto* label = qobject_cast<QLabel*>(control)) {
                    if (label->pixmap().isNull() && c->kind == ControlKind::StaticText) {
                        QStringList texts = ValueTexts(t.id, c->id);
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
                    expect(metrics.horizontalAdvance(StripMnemonics(push->text())) + 2 * margin <=
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
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator translator;
    const QString language = qEnvironmentVariable("MARLIX_TEST_LANGUAGE");
    if (!language.isEmpty()) {
        if (!translator.load(":/i18n/marlix_" + language + ".qm")) {
            qCritical("no translation for %s in the program", qPrintable(language));
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
    }
    // As marlix does with its translation; English in the English run, whatever this machine's
    // locale: a Korean or Taiwanese one would give the captions the CJK font.
    QLocale::setDefault(QLocale(language.isEmpty() ? QStringLiteral("en") : language));
    PageLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "page_layout_test.moc"
