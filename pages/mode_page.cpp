#include "pages/mode_page.h"

namespace marlix {

void CDlgTab1::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, kIdcMode1Buttons[0], m_mode1);
    DDX_Radio(pDX, kIdcMode2Buttons[0], m_mode2);
    DDX_Radio(pDX, kIdcMode3Buttons[0], m_mode3);
}

}  // namespace marlix
