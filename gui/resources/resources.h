#pragma once

#include <QIcon>
#include <QPalette>
#include <QPixmap>

#include "gui/resources/resource_ids.h"

namespace marlix {

// Registers the compiled-in pictures (":/icons/...", ":/images/..."). They live in a static
// library, whose resource object the linker would drop unless something refers to it, so the
// program calls this once at start. Calling it again does no harm.
void InitMarlixResources();

// The icon group with that number, every image of the group added; a null icon for a number
// that is not an icon group.
QIcon IconResource(int id);

// The bitmap with that number for a screen of the given device pixel ratio: above 1 the double
// size picture (made for the ratio itself between 1 and 2), marked with the ratio so that it keeps
// its 1x layout size; onDark picks the variant drawn for a dark window. A null pixmap for a number
// that is not a bitmap. Decoded once for each scale and ground, and kept while the application
// runs.
QPixmap BitmapResource(int id, qreal devicePixelRatio = 1.0, bool onDark = false);

// The family of the program's own font of the full-width punctuation in its captions ("（4：3）"),
// registered with Qt on first use, so that drawing them needs no CJK font. Empty before the
// application exists or where the font cannot be registered.
QString FullwidthFormsFamily();

// Whether the banner's variant for dark grounds reads better on the palette's window.
bool WantsDarkGroundPictures(const QPalette& palette);

}  // namespace marlix
