// The Photo page: quality, auto shoot, stamp and burst groups, with the interlock that keeps
// burst shooting and auto shoot from being switched on together.
#pragma once

#include "core/pages/page_fields.h"
#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class PhotoPage : public CDialog, public PhotoFields {
public:
    static constexpr int IDD = kIddPhotoPage;
    static constexpr Page kPage = Page::Photo;
    static constexpr const char* kTabCaption = "Photo Setting";

    explicit PhotoPage(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ConnectMessageMap() override;

private:
    void OnBurstClicked();
    void OnAutoShootClicked();
};

}  // namespace marlix
