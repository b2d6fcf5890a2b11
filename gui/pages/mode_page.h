// The Mode page: the three resolution groups.
#pragma once

#include "core/pages/page_fields.h"
#include "gui/dialog/dialog.h"
#include "gui/pages/tab_place.h"
#include "gui/resources/resource_ids.h"

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
