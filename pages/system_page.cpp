#include "pages/system_page.h"

namespace marlix {

void CDlgTab5::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, 1061, m_syncClock);
    DDX_Radio(pDX, 1042, m_imageRotate);
    DDX_Radio(pDX, 1069, m_tvMode);
    DDX_Radio(pDX, 1072, m_lightFreq);
    DDX_Radio(pDX, 1044, m_autoShutdown);
    DDX_Radio(pDX, 1076, m_dateFmt);
    DDX_Radio(pDX, 1096, m_osd);
    DDX_Check(pDX, 1099, m_format);
    DDX_Radio(pDX, 1100, m_opBeep);
}

}  // namespace marlix
