#include "gui/dialog/dialog_font.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace marlix {

int MulDiv(int a, int b, int c) {
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

#ifndef _WIN32  // Windows has the faces themselves: dialog_font_win32.cpp
QStringList FontFamiliesFor(std::string_view face) {
    // Liberation Sans has the metrics of Arial, which is what these faces resolved to where the
    // layouts were drawn.
    static constexpr std::string_view kSansFaces[] = {
        "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "MS Sans Serif", "Tahoma",
        "Arial",        "System",
    };
    QStringList families;
    bool mapped = false;
    for (std::string_view sans : kSansFaces) {
        if (face == sans) {
            mapped = true;
        }
    }
    if (!mapped && !face.empty()) {
        families << QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    }
    families << QStringLiteral("Liberation Sans") << QStringLiteral("WenQuanYi Micro Hei");
    return families;
}
#endif

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
    font.setPixelSize(MulDiv(pointSize, 96, 72));
    return font;
}

QFont MakeCellHeightFont(std::string_view face, int cellHeight) {
    QFont font = DialogFace(face);
    const int wanted = std::max(1, cellHeight);
    font.setPixelSize(wanted);
    // The cell grows with the pixel size in proportion, give or take the rounding: start from
    // that estimate rather than loading the face at every size on the way down (each size is a
    // font engine of its own, and costs the start a fontconfig match).
    const qreal full = QFontMetricsF(font).height();
    int pixels = full > wanted ? std::max(1, static_cast<int>(wanted * wanted / full)) : wanted;
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > wanted) {
        font.setPixelSize(--pixels);
    }
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
    return MulDiv(x, units.baseX, 4);
}
int DluToPixelsY(int y, const DialogBaseUnits& units) {
    return MulDiv(y, units.baseY, 8);
}

QRect DluToPixels(const DlgRect& rect, const DialogBaseUnits& units) {
    return QRect(DluToPixelsX(rect.x, units), DluToPixelsY(rect.y, units),
                 DluToPixelsX(rect.cx, units), DluToPixelsY(rect.cy, units));
}

}  // namespace marlix
