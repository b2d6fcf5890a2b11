#include "gui/pages/image_page.h"

#include "core/pages/page_logic.h"
#include "gui/pages/setting_exchange.h"

namespace marlix {

void ImagePage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Settings(pDX, static_cast<ImageFields&>(*this));
    DDX_Control(pDX, kIdcEvSlider, m_evSlider);
    DDX_Text(pDX, kIdcEvText, m_evText);
    DDX_Control(pDX, kIdcSharpnessSlider, m_sharpnessSlider);
    DDX_Text(pDX, kIdcSharpnessText, m_sharpnessText);
}

void ImagePage::ConnectMessageMap() {
    MapNotify(NM_CUSTOMDRAW, kIdcEvSlider, &ImagePage::OnCustomDrawEv);
    MapNotify(NM_CUSTOMDRAW, kIdcSharpnessSlider, &ImagePage::OnCustomDrawSharpness);
}

bool ImagePage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_evSlider.SetRange(0, 12, false);
    m_evSlider.SetTic(1);
    m_evSlider.SetTicFreq(1);
    m_sharpnessSlider.SetRange(0, 4, false);
    m_sharpnessSlider.SetTic(1);
    m_sharpnessSlider.SetTicFreq(1);
    m_evSlider.SetValueText(EvText);
    m_sharpnessSlider.SetValueText(SharpnessText);
    return true;
}

// Both labels follow their slider on every draw. Reading the whole page first also reads the
// other label back, so writing the page leaves it as it was.
void ImagePage::OnCustomDrawEv(NMHDR* pNMHDR, LRESULT* pResult) {
    (void)pNMHDR;
    UpdateData(true);
    m_evText = QString::fromStdString(EvText(m_evSlider.GetPos()));
    UpdateData(false);
    *pResult = 0;
}

void ImagePage::OnCustomDrawSharpness(NMHDR* pNMHDR, LRESULT* pResult) {
    (void)pNMHDR;
    UpdateData(true);
    m_sharpnessText = QString::fromStdString(SharpnessText(m_sharpness));
    UpdateData(false);
    *pResult = 0;
}

}  // namespace marlix
