#include "gui/pages/photo_page.h"

#include "core/pages/page_logic.h"
#include "gui/pages/setting_exchange.h"

namespace marlix {

void CDlgTab4::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Settings(pDX, static_cast<PhotoFields&>(*this));
}

void CDlgTab4::ConnectMessageMap() {
    for (int id : kIdcPhotoBurstButtons) {
        MapCommand(BN_CLICKED, id, &CDlgTab4::OnBurstClicked);
    }
    for (int id : kIdcAutoShootButtons) {
        MapCommand(BN_CLICKED, id, &CDlgTab4::OnAutoShootClicked);
    }
}

// Only clicks run the interlock: writing the page for another profile leaves the enabled states
// and the flags as the last click left them.
void CDlgTab4::OnBurstClicked() {
    UpdateData(true);
    const bool enable = ApplyBurstClick(*this) == GroupState::Enabled;
    for (int id : kIdcAutoShootButtons) {
        EnableWindow(GetDlgItem(id), enable);
    }
}

void CDlgTab4::OnAutoShootClicked() {
    UpdateData(true);
    const bool enable = ApplyAutoShootClick(*this) == GroupState::Enabled;
    for (int id : kIdcPhotoBurstButtons) {
        EnableWindow(GetDlgItem(id), enable);  // the hidden "20 P" stays hidden
    }
}

}  // namespace marlix
