// Every kind of widget a dialog template can create.
#pragma once

#include "gui/layout/buttons.h"
#include "gui/layout/choice_list.h"
#include "gui/layout/report_view.h"
#include "gui/layout/slider.h"
#include "gui/layout/tab_control.h"
