#pragma once

#include <QIcon>
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
// size picture, marked with ratio 2 so that it keeps its 1x layout size. A null pixmap for a
// number that is not a bitmap. Decoded once for each scale, and kept while the application runs.
QPixmap BitmapResource(int id, qreal devicePixelRatio = 1.0);

}  // namespace marlix
