// Every kind of widget a dialog template can create.
#pragma once

#include "gui/dialog/buttons.h"
#include "gui/dialog/choice_list.h"
#include "gui/dialog/report_view.h"
#include "gui/dialog/slider.h"
#include "gui/dialog/tab_control.h"
