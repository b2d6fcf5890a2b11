#include "gui/layout/dialog_font.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRawFont>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace marlix {

int ScaleRounded(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = std::llabs(c) / 2;
    // Round the magnitude, then give the quotient its sign.
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

namespace {

QFont DialogFace(std::string_view face) {
    QFont font;
    font.setFamilies(FontFamiliesFor(face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    // The faces' own hints, as the layouts were drawn with. The light hinting that desktops
    // default to runs FreeType's auto-hinter instead, which surveys a CJK face (the fall-back
    // face of the captions with full-width forms) glyph by glyph before it draws a single one.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

QFont MakeDialogFont(std::string_view face, int pointSize) {
    QFont font = DialogFace(face);
    font.setPixelSize(ScaleRounded(pointSize, 96, 72));
    return font;
}

QFont MakeCellHeightFont(std::string_view face, int cellHeight) {
    QFont font = DialogFace(face);
    const int wanted = std::max(1, cellHeight);
    // Sizes are measured on the face as the dialogs have loaded it already (at the templates'
    // 8 points), scaled: a size loaded as a font of its own costs a fontconfig match, and only
    // the size chosen is needed. An engine that cannot be scaled has each size loaded instead.
    QRawFont scaled = QRawFont::fromFont(MakeDialogFont(face, 8));
    // Ascent and descent at a size, as QFontMetricsF gives them.
    const auto metricsAt = [&](int pixels) -> std::pair<qreal, qreal> {
        if (scaled.isValid())
            scaled.setPixelSize(pixels);
        if (scaled.isValid())
            return {scaled.ascent(), scaled.descent()};
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        return {metrics.ascent(), metrics.descent()};
    };
    // The cell grows with the pixel size in proportion, give or take the rounding: start from
    // that estimate rather than trying every size on the way down.
    const auto [ascent, descent] = metricsAt(wanted);
    const qreal full = ascent + descent;
    int pixels = full > wanted ? std::max(1, static_cast<int>(wanted * wanted / full)) : wanted;
    const auto cellAt = [&](int size) {
        const auto [a, d] = metricsAt(size);
        return qRound(a) + qRound(d);  // as QFontMetrics::height()
    };
    while (pixels > 1 && cellAt(pixels) > wanted) {
        --pixels;
    }
    font.setPixelSize(pixels);
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogBaseUnits units;
    units.baseX = (width / 26 + 1) / 2;
    units.baseY = metrics.height();
    return units;
}

int DluToPixelsX(int x, const DialogBaseUnits& units) {
    return ScaleRounded(x, units.baseX, 4);
}
int DluToPixelsY(int y, const DialogBaseUnits& units) {
    return ScaleRounded(y, units.baseY, 8);
}

QRect DluToPixels(const DlgRect& rect, const DialogBaseUnits& units) {
    return QRect(DluToPixelsX(rect.x, units), DluToPixelsY(rect.y, units),
                 DluToPixelsX(rect.cx, units), DluToPixelsY(rect.cy, units));
}

}  // namespace marlix
