// Data exchange between a dialog's controls and the fields of its class. A dialog's
// DoDataExchange names each control once; UpdateData(true) then reads every control into its
// field, UpdateData(false) writes every field into its control.
#pragma once

#include <QString>

class QWidget;

namespace marlix {

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control with that ID; a DialogFault when the template has none.
    QWidget* PrepareCtrl(int id);

    bool m_bSaveAndValidate;  // true: controls -> fields
    CDialog* m_pDlgWnd;
};

// A radio group runs from its first button (which must start a group) through the following
// controls in template order, up to the next control that starts a group. Only radio buttons
// count: reading gives the position of the checked one or -1; writing checks the button at the
// position and clears every other, and a value with no button clears them all.
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);   // 0 or 1
void DDX_Slider(CDataExchange* pDX, int id, int& value);  // writing limits to the range
void DDX_Text(CDataExchange* pDX, int id, QString& value);
// Binds the wrapper to the control once; later exchanges leave it alone.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

}  // namespace marlix
