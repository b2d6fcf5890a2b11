// The System page: the clock and format check boxes and seven radio groups.
#pragma once

#include "core/pages/page_fields.h"
#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class SystemPage : public CDialog, public SystemFields {
public:
    static constexpr int IDD = kIddSystemPage;
    static constexpr Page kPage = Page::System;
    static constexpr const char* kTabCaption = "System Setting";

    explicit SystemPage(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace marlix
