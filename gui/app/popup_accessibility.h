// Open pop-up menus in the accessibility tree. Qt lists only the application's ordinary windows
// as its children, leaving pop-ups out, while a pop-up names the application as its parent: a
// screen reader that walks the tree never finds the device rows' menu or its entries while the
// menu is open. This puts the open pop-ups after the windows.
#pragma once

namespace marlix {

// Once, before the first window is shown (the application's interface is made on first use).
void InstallPopupAccessibility();

}  // namespace marlix
