// The Image page: metering, ISO and white balance groups, and the EV and sharpness sliders with
// their labels.
#pragma once

#include <QString>

#include "core/pages/page_fields.h"
#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class ImagePage : public CDialog, public ImageFields {
public:
    static constexpr int IDD = kIddImagePage;
    static constexpr Page kPage = Page::Image;
    static constexpr const char* kTabCaption = "Image Setting";

    explicit ImagePage(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

    QString m_evText;
    CSliderCtrl m_evSlider;
    CSliderCtrl m_sharpnessSlider;
    QString m_sharpnessText;

    bool OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ConnectMessageMap() override;

private:
    void OnCustomDrawEv(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCustomDrawSharpness(NMHDR* pNMHDR, LRESULT* pResult);
};

}  // namespace marlix
