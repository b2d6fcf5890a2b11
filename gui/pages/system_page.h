// The System page: the clock and format check boxes and seven radio groups.
#pragma once

#include "core/pages/page_fields.h"
#include "gui/dialog/dialog.h"
#include "gui/pages/tab_place.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class CDlgTab5 : public CDialog, public SystemFields {
public:
    static constexpr int IDD = kIddSystemPage;
    static constexpr TabPlace kTab{3, "System Setting"};

    explicit CDlgTab5(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace marlix
