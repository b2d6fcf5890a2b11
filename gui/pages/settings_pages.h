// The five settings pages. Each class names its tab (kPage, kTabCaption); the main window
// puts them in order.
#pragma once

#include "gui/pages/image_page.h"
#include "gui/pages/mode_page.h"
#include "gui/pages/photo_page.h"
#include "gui/pages/system_page.h"
#include "gui/pages/video_page.h"
