// The Mode page: the three resolution groups.
#pragma once

#include "pages/page_fields.h"
#include "pages/tab_place.h"
#include "platform/dialog/dialog.h"
#include "resources/resource_ids.h"

namespace marlix {

class CDlgTab1 : public CDialog, public ModeFields {
public:
    static constexpr int IDD = kIddModePage;
    static constexpr TabPlace kTab{0, "Mode Setting"};

    explicit CDlgTab1(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace marlix
