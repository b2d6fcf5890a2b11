// Fonts and dialog units. The layouts were drawn on Windows, so the templates name Windows fonts
// and measure in dialog units, which scale with the font. Both are turned into installed fonts
// and pixels here by Windows' own rules, so that every layout keeps its proportions.
#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>
#include <string_view>

#include "gui/layout/dialog_template.h"

namespace marlix {

// a * b / c rounded half away from zero (dialog units are rounded that way); -1 when c is 0.
int ScaleRounded(int a, int b, int c);

// The installed families that stand in for a Windows face: a metric-compatible Latin font first,
// then a font with CJK glyphs for captions such as "确定" or full-width punctuation. On Windows
// the face itself, resolved through the system's font substitutes as native dialogs resolve it.
QStringList FontFamiliesFor(std::string_view face);

// The font of a template: face mapped as above, point size at 96 DPI (an em of
// ScaleRounded(points, 96, 72) pixels, as the templates' point sizes were meant).
QFont MakeDialogFont(std::string_view face, int pointSize);

// A font whose cell (ascent plus descent) is at most cellHeight pixels: the profile list and the
// tab headers are laid out for a cell of a given height rather than for a point size.
QFont MakeCellHeightFont(std::string_view face, int cellHeight);

// Reads the system's font configuration as Qt would when the first font is used. On Linux
// desktops that reading is the largest single part of a start, so the program does it on a
// thread of its own while Qt starts (gui/app/start_ahead.h); Qt then finds it read. Safe on any
// thread; does nothing where the fonts need no such reading.
void ReadFontConfiguration();

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct DialogBaseUnits {
    int baseX = 0;  // average character width: "A..Za..z" width / 52, rounded
    int baseY = 0;  // font height
};
DialogBaseUnits BaseUnitsOf(const QFont& font);

// Dialog units to pixels; x and width (y and height) are converted separately, as for controls
// created from a template.
QRect DluToPixels(const DlgRect& rect, const DialogBaseUnits& units);
int DluToPixelsX(int x, const DialogBaseUnits& units);
int DluToPixelsY(int y, const DialogBaseUnits& units);

}  // namespace marlix
