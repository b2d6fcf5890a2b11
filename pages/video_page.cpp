#include "pages/video_page.h"

#include "pages/page_logic.h"

namespace marlix {

void CDlgTab2::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, kIdcVideoQualityButtons[0], m_videoQuality);
    DDX_Radio(pDX, kIdcFovButtons[0], m_fov);
    DDX_Radio(pDX, kIdcTimelapseButtons[0], m_timelapse);
    DDX_Radio(pDX, kIdcVideoStampButtons[0], m_videoStamp);
    DDX_Slider(pDX, kIdcMicVolSlider, m_micVol);
    DDX_Control(pDX, kIdcMicVolSlider, m_micVolSlider);
    DDX_Text(pDX, kIdcMicVolText, m_micVolText);
    DDX_Radio(pDX, kIdcAutoRecButtons[0], m_autoRec);
    DDX_Radio(pDX, kIdcLoopRecButtons[0], m_loopRec);
    DDX_Radio(pDX, kIdcRecBeepButtons[0], m_recBeep);
}

void CDlgTab2::ConnectMessageMap() {
    MapNotify(NM_CUSTOMDRAW, kIdcMicVolSlider, &CDlgTab2::OnCustomDrawMicVol);
}

bool CDlgTab2::OnInitDialog() {
    CDialog::OnInitDialog();
    m_micVolSlider.SetRange(0, 6, false);
    m_micVolSlider.SetTicFreq(1);
    return true;
}

// Runs on every draw of the slider, so the label follows each move of the thumb.
void CDlgTab2::OnCustomDrawMicVol(NMHDR* pNMHDR, LRESULT* pResult) {
    (void)pNMHDR;
    UpdateData(true);
    m_micVolText = QString::fromStdString(MicVolumeText(m_micVol));
    UpdateData(false);
    *pResult = 0;
}

}  // namespace marlix
