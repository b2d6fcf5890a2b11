// Where a settings page sits among the main window's tabs. The page classes are numbered after
// their templates, not after their tabs, so each class names its tab in one line.
#pragma once

namespace marlix {

struct TabPlace {
    int index;            // 0 is the leftmost tab
    const char* caption;  // the tab's caption
};

}  // namespace marlix
