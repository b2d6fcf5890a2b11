#include "gui/dialog/dialog_font.h"

#include <QFontMetrics>
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

QFont MakeDialogFont(std::string_view face, int pointSize) {
    QFont font;
    font.setFamilies(FontFamiliesFor(face));
    font.setPixelSize(MulDiv(pointSize, 96, 72));
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont MakeCellHeightFont(std::string_view face, int cellHeight) {
    QFont font;
    font.setFamilies(FontFamiliesFor(face));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    int pixels = std::max(1, cellHeight);
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > cellHeight) {
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
