// The Video page: seven radio groups and the microphone volume slider with its label.
#pragma once

#include <QString>

#include "core/pages/page_fields.h"
#include "gui/dialog/dialog.h"
#include "gui/pages/tab_place.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class CDlgTab2 : public CDialog, public VideoFields {
public:
    static constexpr int IDD = kIddVideoPage;
    static constexpr TabPlace kTab{1, "Video Setting"};

    explicit CDlgTab2(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

    CSliderCtrl m_micVolSlider;
    QString m_micVolText;

    bool OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ConnectMessageMap() override;

private:
    void OnCustomDrawMicVol(NMHDR* pNMHDR, LRESULT* pResult);
};

}  // namespace marlix
