#include "gui/profiles/new_profile_dialog.h"

namespace marlix {

void NewProfileDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, kIdcProfileName, m_name);
    DDX_Control(pDX, kIdcProfileName, m_edit);
}

bool NewProfileDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_edit.SetFocus();
    return false;  // the focus stays in the name field
}

}  // namespace marlix
