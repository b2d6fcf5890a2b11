#include "gui/pages/photo_page.h"

#include "core/pages/page_logic.h"
#include "gui/pages/setting_exchange.h"

namespace marlix {

void PhotoPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Settings(pDX, static_cast<PhotoFields&>(*this));
}

void PhotoPage::ConnectMessageMap() {
    for (int id : kIdcPhotoBurstButtons) {
        MapCommand(BN_CLICKED, id, &PhotoPage::OnBurstClicked);
    }
    for (int id : kIdcAutoShootButtons) {
        MapCommand(BN_CLICKED, id, &PhotoPage::OnAutoShootClicked);
    }
}

// Only clicks run the interlock: writing the page for another profile leaves the enabled states
// and the flags as the last click left them.
void PhotoPage::OnBurstClicked() {
    UpdateData(true);
    const bool enable = ApplyBurstClick(*this) == GroupState::Enabled;
    for (int id : kIdcAutoShootButtons) {
        EnableWindow(GetDlgItem(id), enable);
    }
}

void PhotoPage::OnAutoShootClicked() {
    UpdateData(true);
    const bool enable = ApplyAutoShootClick(*this) == GroupState::Enabled;
    for (int id : kIdcPhotoBurstButtons) {
        EnableWindow(GetDlgItem(id), enable);  // the hidden "20 P" stays hidden
    }
}

}  // namespace marlix
