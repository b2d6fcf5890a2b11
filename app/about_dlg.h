// The About box: the program's name, version and icon, and an OK button.
#pragma once

#include "platform/dialog/dialog.h"
#include "resources/resource_ids.h"

namespace marlix {

class CAboutDlg : public CDialog {
public:
    static constexpr int IDD = kIddAboutBox;
    explicit CAboutDlg(QWidget* parent = nullptr) : CDialog(IDD, parent) {}
};

}  // namespace marlix
