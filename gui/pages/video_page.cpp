#include "gui/pages/video_page.h"

#include "core/pages/page_logic.h"
#include "gui/pages/setting_exchange.h"

namespace marlix {

void VideoPage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Settings(pDX, static_cast<VideoFields&>(*this));
    DDX_Control(pDX, kIdcMicVolSlider, m_micVolSlider);
    DDX_Text(pDX, kIdcMicVolText, m_micVolText);
}

void VideoPage::ConnectMessageMap() {
    MapNotify(NM_CUSTOMDRAW, kIdcMicVolSlider, &VideoPage::OnCustomDrawMicVol);
}

bool VideoPage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_micVolSlider.SetRange(0, 6, false);
    m_micVolSlider.SetTicFreq(1);
    m_micVolSlider.SetValueText(MicVolumeText);
    return true;
}

// Runs on every draw of the slider, so the label follows each move of the thumb.
void VideoPage::OnCustomDrawMicVol(NMHDR* pNMHDR, LRESULT* pResult) {
    (void)pNMHDR;
    UpdateData(true);
    m_micVolText = QString::fromStdString(MicVolumeText(m_micVol));
    UpdateData(false);
    *pResult = 0;
}

}  // namespace marlix
