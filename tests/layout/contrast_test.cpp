// The window in a dark palette reads as well as in a light one: the window is drawn in each, and
// the contrast of its parts is measured from the pixels (WCAG 2.1: text at least 4.5:1, the
// chosen state of a control, the slider's handle and the focus frame at least 3:1 against what
// they sit on). The card icon has no square of its own around it.
#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "gui/layout/marlix_style.h"
#include "tests/app/window_fixture.h"
#include "tests/support/dark_palette.h"

namespace {

double Luminance(QRgb rgb) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The widget as the window shows it, what lies below it included.
QImage Shot(QWidget* widget) {
    QWidget* window = widget->window();
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// The strongest contrast of any pixel against the colour below it.
double ContrastAgainst(const QImage& image, QRgb background) {
    double best = 1.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, Contrast(image.pixel(x, y), background));
    }
    return best;
}

// What changes between two states of a control (the dot of a chosen radio button, a tick, a
// focus frame, a handle that moved): the contrast between a pixel in one state and the same pixel
// in the other, as most of the drawn mark shows it (the strongest tenth of the changed pixels; a
// few edge pixels neither make nor break it).
double StateContrast(const QImage& before, const QImage& after) {
    std::vector<double> changed;
    for (int y = 0; y < std::min(before.height(), after.height()); ++y) {
        for (int x = 0; x < std::min(before.width(), after.width()); ++x) {
            const double contrast = Contrast(before.pixel(x, y), after.pixel(x, y));
            if (contrast > 1.05)
                changed.push_back(contrast);
        }
    }
    if (changed.empty())
        return 1.0;
    std::sort(changed.begin(), changed.end());
    return changed[changed.size() * 9 / 10];
}

// The ink of a picture on the window: its most frequent colour besides the window's own, among
// the unsaturated ones (a coloured tile carries its own ground).
QRgb InkOf(const QImage& image, QRgb window) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color.rgb() != window && color.hslSaturationF() < 0.25)
                ++counts[color.rgb()];
        }
    }
    QRgb ink = window;
    int most = 0;
    for (const auto& [color, count] : counts) {
        if (count > most) {
            ink = color;
            most = count;
        }
    }
    return ink;
}

}  // namespace

class ContrastTest : public QObject, public WindowFixture {
    Q_OBJECT

    // As a click on the page's tab shows it.
    void showTab(Page page) {
        m_dlg->control<TabControlWidget>(kIdcTab)->tabBar()->setCurrentIndex(
            static_cast<int>(TabIndex(page)));
        QVERIFY(m_dlg->pages().ensurePage(page).isVisible());
    }

private slots:
    void initTestCase() { QApplication::setStyle(new MarlixStyle); }  // the program's
    void init() { setUpWindow(); }
    void cleanup() {
        tearDownWindow();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    void partsStayReadable_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << marlix::test_support::DarkPalette();
    }
    void partsStayReadable() {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        start();
        m_dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
        const QRgb window = palette.color(QPalette::Window).rgb();
        QStringList problems;
        const auto expect = [&problems](const char* what, double contrast, double least) {
            if (contrast < least)
                problems
                    << QStringLiteral("%1: %2:1, needs %3:1").arg(what).arg(contrast).arg(least);
        };

        TemplateDialog& video = m_dlg->pages().ensurePage(Page::Video);
        showTab(Page::Video);
        expect("a heading", ContrastAgainst(Shot(video.control(kIdcVideoQualityHeading)), window),
               4.5);
        for (QWidget* control : m_dlg->controls()) {
            if (m_dlg->controlTemplate(control)->kind == ControlKind::StaticBitmap)
                expect("the banner's wordmark", Contrast(InkOf(Shot(control), window), window),
                       4.5);
        }

        // The chosen state, against the same button not chosen.
        QAbstractButton* fine = Button(video, kIdcVideoQualityButtons[1]);
        QAbstractButton* normal = Button(video, kIdcVideoQualityButtons[2]);
        normal->click();
        const QImage fineOff = Shot(fine);
        fine->click();
        expect("a chosen radio button", StateContrast(fineOff, Shot(fine)), 3.0);

        TemplateDialog& system = m_dlg->pages().ensurePage(Page::System);
        showTab(Page::System);
        QAbstractButton* format = Button(system, kIdcFormat);
        const QImage formatOff = Shot(format);
        format->click();
        expect("a ticked check box", StateContrast(formatOff, Shot(format)), 3.0);

        // The focus frame, against the same button without the focus.
        QAbstractButton* set = Button(*m_dlg, kIdcSet);
        m_dlg->control(kIdcProfileList)->setFocus();
        const QImage setUnfocused = Shot(set);
        set->setFocus();
        QTRY_VERIFY(set->hasFocus());
        expect("the focus frame", StateContrast(setUnfocused, Shot(set)), 3.0);

        // The slider's handle at its right end, against the same place with the handle away. The
        // groove changes colour there too; the handle is where the change is taller than it.
        showTab(Page::Video);
        auto* slider = video.control<QSlider>(kIdcMicVolSlider);
        const QRect rightEnd(slider->width() * 4 / 5, 0, slider->width() / 5, slider->height());
        slider->setValue(slider->minimum());
        const QImage handleAway = Shot(slider).copy(rightEnd);
        slider->setValue(slider->maximum());
        const QImage handleThere = Shot(slider).copy(rightEnd);
        int left = handleThere.width(), right = -1;
        for (int x = 0; x < handleThere.width(); ++x) {
            int rows = 0;
            for (int y = 0; y < handleThere.height(); ++y)
                rows += Contrast(handleAway.pixel(x, y), handleThere.pixel(x, y)) > 1.05 ? 1 : 0;
            if (rows > handleThere.height() / 4) {
                left = std::min(left, x);
                right = x;
            }
        }
        QVERIFY(right >= left);
        const QRect handle(left, 0, right - left + 1, handleThere.height());
        expect("the slider's handle",
               StateContrast(handleAway.copy(handle), handleThere.copy(handle)), 3.0);

        // The card's icon stands out from the list's own background, and brings no ground of its
        // own: the card covers little more than half of its square.
        auto* drives = m_dlg->control<ReportViewWidget>(kIdcDeviceList);
        drives->clearSelection();
        const QRgb base = palette.color(QPalette::Base).rgb();
        const QSize icon = drives->iconSize();
        const QRect cell = drives->visualRect(drives->model()->index(0, 0));
        const QImage strip =
            Shot(drives->viewport())
                .copy(QRect(cell.topLeft(), QSize(icon.width() + 4, cell.height())));
        int covered = 0;
        for (int y = 0; y < strip.height(); ++y) {
            for (int x = 0; x < strip.width(); ++x)
                covered += Contrast(strip.pixel(x, y), base) > 1.5 ? 1 : 0;
        }
        const int side = std::min(icon.width(), cell.height());  // a low row shrinks the icon
        if (covered > side * side * 2 / 3)
            problems << QStringLiteral("the card icon covers %1 pixels of its square of %2")
                            .arg(covered)
                            .arg(side * side);
        expect("the card icon", ContrastAgainst(strip, base), 3.0);

        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
