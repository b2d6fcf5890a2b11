// Makes the widget for one control of a template.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "gui/layout/dialog_font.h"
#include "gui/layout/dialog_template.h"

namespace marlix {

// The picture of a static icon or bitmap control, by resource number.
using ImageLoader = std::function<QPixmap(int resource)>;

// The widget for the control, a child of parent, placed by converting the template's dialog
// units with units, enabled and shown as its style says. Static controls take neither the focus
// nor the mouse; every other control takes the focus by Tab and by click. Its caption is looked
// up in translationContext (dialog_template.h).
QWidget* CreateControl(const ControlTemplate& control, const DialogBaseUnits& units,
                       const ImageLoader& loadImage, QWidget* parent,
                       const char* translationContext = "");

}  // namespace marlix
