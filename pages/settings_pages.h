// The five settings pages. Each class names its tab (kTab); the main window puts them in order.
#pragma once

#include "pages/image_page.h"
#include "pages/mode_page.h"
#include "pages/photo_page.h"
#include "pages/system_page.h"
#include "pages/video_page.h"
