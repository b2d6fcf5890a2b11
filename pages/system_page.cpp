#include "pages/system_page.h"

namespace marlix {

void CDlgTab5::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, kIdcSyncClock, m_syncClock);
    DDX_Radio(pDX, kIdcImageRotateButtons[0], m_imageRotate);
    DDX_Radio(pDX, kIdcTvModeButtons[0], m_tvMode);
    DDX_Radio(pDX, kIdcLightFreqButtons[0], m_lightFreq);
    DDX_Radio(pDX, kIdcAutoShutdownButtons[0], m_autoShutdown);
    DDX_Radio(pDX, kIdcDateFmtButtons[0], m_dateFmt);
    DDX_Radio(pDX, kIdcOsdButtons[0], m_osd);
    DDX_Check(pDX, kIdcFormat, m_format);
    DDX_Radio(pDX, kIdcOpBeepButtons[0], m_opBeep);
}

}  // namespace marlix
