// Dialogs built from templates, with the data exchange and notification rules of the Windows
// dialog framework, on Qt Widgets.
//
// Usage:
//
//   class CDlgTab4 : public CDialog, public PhotoFields {
//   public:
//       static constexpr int IDD = 133;
//       CDlgTab4() : CDialog(IDD) {}
//   protected:
//       void DoDataExchange(CDataExchange* pDX) override {
//           DDX_Radio(pDX, 1036, m_photoQuality);      // group named by its first button
//       }
//       void ConnectMessageMap() override {            // the dispatch table, in its order
//           MapCommand(BN_CLICKED, 1090, &CDlgTab4::OnBurstClicked);
//       }
//   };
//
//   page.Create(CDlgTab4::IDD, tab.GetSafeHwnd());  // modeless child: hidden, OnInitDialog run
//   page.MoveWindow(1, 26, w - 5, h - 30);
//   page.ShowWindow(SW_SHOW);
//   page.UpdateData(true);    // controls -> fields      page.UpdateData(false): fields -> controls
//   if (dlg.DoModal() == IDOK) { ... }               // Enter: default button, Escape: Cancel
//
// Creation: controls are made in template order, which is the Tab order and the order in which a
// radio group is walked. Positions in dialog units become pixels through the template font's
// base units. ConnectMessageMap runs after the controls exist and before OnInitDialog.
//
// Tests answer a modal run with SetModalHook (called in place of the event loop, with the dialog
// shown) and message boxes with SetMessageBoxHook.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QList>
#include <QRect>
#include <QString>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/dialog/controls.h"
#include "platform/dialog/dialog_font.h"
#include "platform/dialog/dialog_template.h"

class QButtonGroup;

namespace marlix {

#ifndef IDOK
inline constexpr int IDOK = kIdOk;
#endif
#ifndef IDCANCEL
inline constexpr int IDCANCEL = kIdCancel;
#endif
#ifndef MB_OK
inline constexpr unsigned MB_OK = 0;
#endif

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control with that ID. A binding to a control that the template lacks is a programming
    // error and ends the program with a message naming the dialog and the ID.
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
void DDX_Text(CDataExchange* pDX, int id, std::string& utf8);
// Attaches the wrapper to the control once; later exchanges leave it alone.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public QDialog {
    Q_OBJECT
public:
    using ModalHook = std::function<int(CDialog& dialog)>;
    using MessageBoxHook =
        std::function<int(const QString& text, const QString& caption, unsigned type)>;
    using ImageLoader = std::function<QPixmap(int resource)>;

    explicit CDialog(int templateId, QWidget* parent = nullptr);
    // A dialog on a template that is not in the program's table (tests, tools).
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~CDialog() override;

    // Modeless: builds the window on the template as a child (or pop-up) of parent, hidden, and
    // runs OnInitDialog. False when the template does not exist.
    bool Create(int templateId, QWidget* parent);
    // Builds the window, runs OnInitDialog and the modal loop; IDOK, IDCANCEL or what EndDialog
    // was given; -1 when the template does not exist.
    int DoModal();

    // Runs DoDataExchange in one direction; false when the window does not exist yet.
    bool UpdateData(bool bSaveAndValidate = true);

    QWidget* GetDlgItem(int id) const;  // the first control with that ID, or nullptr
    void EndDialog(int result);
    virtual void OnOK();      // UpdateData(true), then EndDialog(IDOK)
    virtual void OnCancel();  // EndDialog(IDCANCEL)

    // Window operations on the dialog itself, and (static) on any of its controls.
    bool ShowWindow(int cmdShow);
    static bool ShowWindow(QWidget* window, int cmdShow) {
        return marlix::ShowWindow(window, cmdShow);
    }
    bool EnableWindow(bool enable = true);
    static bool EnableWindow(QWidget* window, bool enable) {
        return marlix::EnableWindow(window, enable);
    }
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    static void MoveWindow(QWidget* window, int x, int y, int width, int height,
                           bool repaint = true) {
        marlix::MoveWindow(window, x, y, width, height, repaint);
    }
    void GetClientRect(QRect* rect) const;
    void CheckDlgButton(int id, int check);
    int IsDlgButtonChecked(int id) const;
    void SetDlgItemText(int id, const QString& text);
    QString GetDlgItemText(int id) const;
    // A message box owned by this dialog: OK button only, no icon. Returns IDOK.
    int MessageBoxW(const QString& text, const QString& caption = QString(), unsigned type = MB_OK);

    bool IsCreated() const { return m_built; }
    int GetTemplateId() const { return m_templateId; }
    const DialogTemplate* GetTemplate() const { return m_template; }
    DialogBaseUnits GetBaseUnits() const { return m_units; }
    QRect MapDialogRect(const DlgRect& rect) const { return DluToPixels(rect, m_units); }
    // The radio buttons DDX_Radio walks for the group starting at firstId, in position order;
    // empty when firstId is not a radio button that starts a group.
    QList<QAbstractButton*> GetRadioGroup(int firstId) const;
    // Every control, in template order.
    QList<QWidget*> GetControls() const;
    const ControlTemplate* GetControlTemplate(const QWidget* control) const;

    static void SetModalHook(ModalHook hook);
    static void SetMessageBoxHook(MessageBoxHook hook);
    // Pictures of static icon and bitmap controls by resource number. The default looks for
    // ":/marlix/<number>.png".
    static void SetImageLoader(ImageLoader loader);

    virtual bool OnInitDialog();  // base: UpdateData(false); true gives the focus to the first
                                  // control that takes it

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The dispatch table: call MapCommand / MapNotify once per entry, in the table's order.
    virtual void ConnectMessageMap();

    // WM_COMMAND entries: BN_CLICKED (buttons), LBN_SELCHANGE (list boxes).
    template <class D>
    void MapCommand(int code, int id, void (D::*handler)()) {
        static_assert(std::is_base_of_v<CDialog, D>);
        D* self = static_cast<D*>(this);
        bindCommand(code, id, [self, handler] { (self->*handler)(); });
    }
    // WM_NOTIFY entries: NM_CUSTOMDRAW (sliders), TCN_SELCHANGE (tab controls), LVN_ITEMCHANGED
    // (list views; the record is an NMLISTVIEW), NM_CUSTOMDRAW's an NMCUSTOMDRAW.
    template <class D>
    void MapNotify(int code, int id, void (D::*handler)(NMHDR*, LRESULT*)) {
        static_assert(std::is_base_of_v<CDialog, D>);
        D* self = static_cast<D*>(this);
        bindNotify(code, id, [self, handler](NMHDR* header, LRESULT* result) {
            (self->*handler)(header, result);
        });
    }

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void accept() override;
    void reject() override;

private:
    struct ControlEntry {
        const ControlTemplate* tmpl;
        QWidget* widget;
        int run;  // index of the group run the control belongs to
    };

    bool build(const DialogTemplate& dialogTemplate, QWidget* parent);
    void destroyControls();
    QWidget* createControl(const ControlTemplate& control);
    void buildRadioGroups();
    void nameRadioGroups();
    QString headingFor(std::size_t index) const;
    void bindCommand(int code, int id, std::function<void()> handler);
    void bindNotify(int code, int id, std::function<void(NMHDR*, LRESULT*)> handler);
    void connectStandardButtons();
    void dispatchCommand(int id);
    void pressEnter();
    bool moveInGroup(QWidget* from, bool forward);
    void collectTabTargets(QList<QWidget*>& targets) const;
    CDialog* navigationRoot();
    int indexOf(const QWidget* control) const;
    void finishInit(bool defaultFocus);

    int m_templateId;
    const DialogTemplate* m_template = nullptr;
    DialogBaseUnits m_units;
    std::vector<ControlEntry> m_controls;
    std::vector<QButtonGroup*> m_runGroups;
    std::map<int, std::function<void()>> m_clickHandlers;
    std::set<std::pair<int, int>> m_mapped;
    bool m_built = false;
    bool m_ended = false;
    int m_endResult = 0;
};

}  // namespace marlix
