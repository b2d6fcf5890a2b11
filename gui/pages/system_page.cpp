#include "gui/pages/system_page.h"

#include "gui/pages/setting_exchange.h"

namespace marlix {

void SystemPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Settings(pDX, static_cast<SystemFields&>(*this));
}

}  // namespace marlix
