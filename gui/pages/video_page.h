// The Video page: seven radio groups and the microphone volume slider with its label.
#pragma once

#include <QString>

#include "core/pages/page_fields.h"
#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class VideoPage : public CDialog, public VideoFields {
public:
    static constexpr int IDD = kIddVideoPage;
    static constexpr Page kPage = Page::Video;
    static constexpr const char* kTabCaption = "Video Setting";

    explicit VideoPage(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

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
