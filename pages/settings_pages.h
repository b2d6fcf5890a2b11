// The five settings pages, numbered by their templates (not by their tabs).
#pragma once

#include "pages/image_page.h"   // CDlgTab3, tab 4
#include "pages/mode_page.h"    // CDlgTab1, tab 0
#include "pages/photo_page.h"   // CDlgTab4, tab 2
#include "pages/system_page.h"  // CDlgTab5, tab 3
#include "pages/video_page.h"   // CDlgTab2, tab 1
