#include "gui/pages/mode_page.h"

#include "gui/pages/setting_exchange.h"

namespace marlix {

void ModePage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Settings(pDX, static_cast<ModeFields&>(*this));
}

}  // namespace marlix
