// The Mode page: the three resolution groups.
#pragma once

#include "core/pages/page_fields.h"
#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class ModePage : public CDialog, public ModeFields {
public:
    static constexpr int IDD = kIddModePage;
    static constexpr Page kPage = Page::Mode;
    static constexpr const char* kTabCaption = "Mode Setting";

    explicit ModePage(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace marlix
