// The Photo page: quality, auto shoot, stamp and burst groups, with the interlock that keeps
// burst shooting and auto shoot from being switched on together.
#pragma once

#include <array>

#include "pages/page_fields.h"
#include "platform/dialog/dialog.h"
#include "resources/resource_ids.h"

namespace marlix {

class CDlgTab4 : public CDialog, public PhotoFields {
public:
    static constexpr int IDD = kIddPhotoPage;
    // In template order; "20 P" (1093) is never shown.
    static constexpr std::array<int, 5> kBurstButtons = {1090, 1091, 1089, 1092, 1093};
    static constexpr std::array<int, 8> kAutoShootButtons = {1043, 1107, 1108, 1044,
                                                             1045, 1046, 1047, 1048};

    explicit CDlgTab4(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ConnectMessageMap() override;

private:
    void OnBurstClicked();
    void OnAutoShootClicked();
};

}  // namespace marlix
