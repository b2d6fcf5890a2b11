// Every control a dialog template can create, with the wrapper a dialog class binds to it.
#pragma once

#include "platform/dialog/buttons.h"
#include "platform/dialog/list_box.h"
#include "platform/dialog/list_view.h"
#include "platform/dialog/slider.h"
#include "platform/dialog/tab_control.h"
#include "platform/dialog/window.h"
