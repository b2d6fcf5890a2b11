// The About box: the program's name, version and icon, and an OK button.
#pragma once

#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class AboutDialog : public CDialog {
public:
    static constexpr int IDD = kIddAboutBox;
    explicit AboutDialog(QWidget* parent = nullptr) : CDialog(IDD, parent) {}
};

}  // namespace marlix
