// The notifications a dialog's handlers receive. The pages and the main window are written
// against these names, so they keep the names and values that windows.h gives them; where
// windows.h has been included first, its macros stand in for them.
#pragma once

class QWidget;

namespace marlix {

#ifndef BN_CLICKED
inline constexpr int BN_CLICKED = 0;
#endif
#ifndef LBN_SELCHANGE
inline constexpr int LBN_SELCHANGE = 1;
#endif
#ifndef NM_CUSTOMDRAW
inline constexpr int NM_CUSTOMDRAW = -12;
#endif
#ifndef LVN_ITEMCHANGED
inline constexpr int LVN_ITEMCHANGED = -101;
#endif
#ifndef TCN_SELCHANGE
inline constexpr int TCN_SELCHANGE = -551;
#endif

using LRESULT = long;

// Header of every notification record: which control sent it, and what it reports.
struct NMHDR {
    QWidget* hwndFrom = nullptr;
    int idFrom = 0;
    int code = 0;
};

}  // namespace marlix
