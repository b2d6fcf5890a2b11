// The New Profile dialog: one edit field for the name, OK and Cancel.
#pragma once

#include <QString>

#include "gui/dialog/controls.h"
#include "gui/dialog/dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class NewProfileDialog : public CDialog {
    Q_OBJECT
public:
    static constexpr int IDD = kIddNewProfile;
    explicit NewProfileDialog(QWidget* parent = nullptr) : CDialog(IDD, parent) {}

    bool OnInitDialog() override;

    QString m_name;  // what was typed, taken on OK
    CEdit m_edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

}  // namespace marlix
