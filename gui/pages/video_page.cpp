#include "gui/pages/video_page.h"

#include "core/pages/page_logic.h"
#include "gui/pages/setting_exchange.h"

namespace marlix {

void CDlgTab2::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Settings(pDX, static_cast<VideoFields&>(*this));
    DDX_Control(pDX, kIdcMicVolSlider, m_micVolSlider);
    DDX_Text(pDX, kIdcMicVolText, m_micVolText);
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
