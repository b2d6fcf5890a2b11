#include "gui/layout/marlix_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>
#include <algorithm>
#include <array>

namespace marlix {

namespace {

// sRGB's transfer function for the 256 levels of a channel, worked out by the compiler: at run
// time std::pow would bring its share of the maths library into every start of the window.
constexpr double Ln(double x) {
    // ln x = 2 atanh((x - 1) / (x + 1)), whose series converges for every x > 0.
    const double y = (x - 1) / (x + 1);
    double term = y, sum = 0;
    for (int n = 1; n < 200; n += 2) {
        sum += term / n;
        term *= y * y;
    }
    return 2 * sum;
}
constexpr double Exp(double x) {
    double term = 1, sum = 1;
    for (int n = 1; n < 60; ++n) {
        term *= x / n;
        sum += term;
    }
    return sum;
}
constexpr std::array<double, 256> LinearLevels() {
    std::array<double, 256> levels{};
    for (int i = 0; i < 256; ++i) {
        const double c = i / 255.0;
        levels[static_cast<std::size_t>(i)] =
            c <= 0.04045 ? c / 12.92 : (i == 0 ? 0.0 : Exp(2.4 * Ln((c + 0.055) / 1.055)));
    }
    return levels;
}
constexpr std::array<double, 256> kLinear = LinearLevels();

double RelativeLuminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    const auto level = [](int value) { return kLinear[static_cast<std::size_t>(value & 0xff)]; };
    return 0.2126 * level(rgb.red()) + 0.7152 * level(rgb.green()) + 0.0722 * level(rgb.blue());
}

bool IsFusion(const QStyle* style) {
    return style != nullptr &&
           style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LegibleOn(const QColor& ink, const QColor& ground, double least) {
    if (ContrastRatio(ink, ground) >= least)
        return ink;
    const QColor toward = ContrastRatio(Qt::black, ground) > ContrastRatio(Qt::white, ground)
                              ? QColor(Qt::black)
                              : QColor(Qt::white);
    const QColor from = ink.toRgb();
    QColor mixed = toward;
    for (int step = 1; step <= 10; ++step) {
        const double t = step / 10.0;
        mixed = QColor::fromRgbF(from.redF() + (toward.redF() - from.redF()) * t,
                                 from.greenF() + (toward.greenF() - from.greenF()) * t,
                                 from.blueF() + (toward.blueF() - from.blueF()) * t);
        if (ContrastRatio(mixed, ground) >= least)
            break;
    }
    return mixed;
}

MarlixStyle::MarlixStyle() : QProxyStyle() {}

int MarlixStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    // Mnemonics work with Alt as usual, but their underlines are not drawn all the time: a
    // caption such as "Date& and Time" would otherwise show an underlined gap.
    if (hint == QStyle::SH_UnderlineShortcut)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void MarlixStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    // Other styles (Windows' own) draw their indicators from the system's theme, not the palette.
    if (!IsFusion(baseStyle())) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QPalette& palette = option->palette;
    switch (element) {
        case PE_IndicatorRadioButton: {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            if ((option->state & State_On) == 0)
                break;
            // Fusion draws the dot in a darkened, half transparent text colour, which all but
            // vanishes on a dark base: the dot in the text colour itself reads on any base.
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, true);
            painter->setPen(Qt::NoPen);
            painter->setBrush(palette.color(QPalette::Text));
            const QRectF circle = QRectF(option->rect).adjusted(1, 1, -1, -1);
            const qreal radius = std::max<qreal>(2.0, circle.width() / 2 - 3.0);
            painter->drawEllipse(circle.center(), radius, radius);
            painter->restore();
            break;
        }
        case PE_IndicatorCheckBox: {
            if ((option->state & State_On) == 0) {
                QProxyStyle::drawPrimitive(element, option, painter, widget);
                break;
            }
            // The box as Fusion draws it unticked, and the tick in the text colour.
            QStyleOptionButton box;
            box.QStyleOption::operator=(*option);
            box.state &= ~State_On;
            box.state |= State_Off;
            QProxyStyle::drawPrimitive(element, &box, painter, widget);
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, true);
            const QRectF r = QRectF(option->rect).adjusted(3.5, 3.5, -3.5, -3.5);
            QPen pen(palette.color(QPalette::Text), std::max<qreal>(1.6, r.width() / 5.0));
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            painter->setPen(pen);
            QPainterPath tick;
            tick.moveTo(r.left(), r.top() + r.height() * 0.55);
            tick.lineTo(r.left() + r.width() * 0.38, r.bottom());
            tick.lineTo(r.right(), r.top());
            painter->drawPath(tick);
            painter->restore();
            break;
        }
        case PE_FrameFocusRect: {
            // Fusion's frame is a faint tint of the highlight; a solid line reads in both palettes.
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, true);
            const QColor ground =
                palette.color(widget != nullptr ? widget->backgroundRole() : QPalette::Window);
            painter->setPen(QPen(LegibleOn(palette.color(QPalette::Highlight), ground, 3.0), 1.0));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
            painter->restore();
            break;
        }
        case PE_PanelButtonCommand: {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            if ((option->state & State_HasFocus) == 0)
                break;
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, true);
            const QColor ground = palette.color(QPalette::Button);
            painter->setPen(QPen(LegibleOn(palette.color(QPalette::Highlight), ground, 3.0), 2.0));
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(QRectF(option->rect).adjusted(2, 2, -2, -2), 2, 2);
            painter->restore();
            break;
        }
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void MarlixStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);

    if (control != CC_Slider || !IsFusion(baseStyle()) ||
        (option->subControls & SC_SliderHandle) == 0)
        return;
    // Fusion outlines the handle in a shade of the window that stands out from it by about 2:1, and
    // the page around a slider is often a little lighter than the window: the outline is drawn
    // in the text colour toned halfway toward the window, which stands out from both.
    const QColor window = option->palette.color(QPalette::Window);
    const QColor text = option->palette.color(QPalette::WindowText);
    const QColor toned = QColor::fromRgbF(0.55 * text.redF() + 0.45 * window.redF(),
                                          0.55 * text.greenF() + 0.45 * window.greenF(),
                                          0.55 * text.blueF() + 0.45 * window.blueF());
    const QRect handle = subControlRect(CC_Slider, option, SC_SliderHandle, widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(LegibleOn(toned, window, 3.0), 1.0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(QRectF(handle).adjusted(0.5, 0.5, -1.5, -1.5), 2, 2);
    painter->restore();
}

}  // namespace marlix
