#include "pages/mode_page.h"

namespace marlix {

void CDlgTab1::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, 1007, m_mode1);
    DDX_Radio(pDX, 1010, m_mode2);
    DDX_Radio(pDX, 1016, m_mode3);
}

}  // namespace marlix
