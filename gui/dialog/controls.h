// Every control a dialog template can create, with the wrapper a dialog class binds to it.
#pragma once

#include "gui/dialog/buttons.h"
#include "gui/dialog/list_box.h"
#include "gui/dialog/list_view.h"
#include "gui/dialog/slider.h"
#include "gui/dialog/tab_control.h"
#include "gui/dialog/window.h"
