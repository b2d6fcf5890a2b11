#include "gui/profiles/dlg_new_cfg.h"

namespace marlix {

void CDlgNewCFG::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kIdcProfileName, m_name);
    DDX_Control(pDX, kIdcProfileName, m_edit);
}

bool CDlgNewCFG::OnInitDialog() {
    CDialog::OnInitDialog();
    m_edit.SetFocus();
    return false;  // the focus stays in the name field
}

}  // namespace marlix
