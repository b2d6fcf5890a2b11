// Dialogs built from templates, on Qt Widgets. The pages, the main window and the two small
// dialogs are written in terms of this class: a template number, DoDataExchange for the fields,
// ConnectMessageMap for the handlers.
//
// Usage:
//
//   class PhotoPage : public CDialog, public PhotoFields {
//   public:
//       static constexpr int IDD = kIddPhotoPage;
//       PhotoPage() : CDialog(IDD) {}
//   protected:
//       void DoDataExchange(CDataExchange* pDX) override {
//           DDX_Radio(pDX, kIdcPhotoQualityButtons[0], m_photoQuality);  // by its first button
//       }
//       void ConnectMessageMap() override {  // one call per handled notification
//           MapCommand(BN_CLICKED, kIdcPhotoBurstButtons[0], &PhotoPage::OnBurstClicked);
//       }
//   };
//
//   page.Create(PhotoPage::IDD, tab.GetSafeHwnd());  // modeless child: hidden, OnInitDialog run
//   page.MoveWindow(x, y, width, height);
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
#include <type_traits>
#include <utility>
#include <vector>

#include "gui/dialog/control_factory.h"
#include "gui/dialog/controls.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog_font.h"
#include "gui/dialog/dialog_template.h"
#include "gui/dialog/notifications.h"

class QButtonGroup;

namespace marlix {

#ifndef IDOK
inline constexpr int IDOK = kIdOk;
#endif
#ifndef IDCANCEL
inline constexpr int IDCANCEL = kIdCancel;
#endif

class CDialog : public QDialog {
    Q_OBJECT
public:
    using ModalHook = std::function<int(CDialog& dialog)>;
    using MessageBoxHook = std::function<int(const QString& text, const QString& caption)>;

    explicit CDialog(int templateId, QWidget* parent = nullptr);
    // A dialog on a template that is not in the program's table (tests).
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

    bool ShowWindow(int cmdShow);
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    static bool EnableWindow(QWidget* control, bool enable) {
        return marlix::EnableWindow(control, enable);
    }
    // A message box owned by this dialog: OK button only, no icon. Returns IDOK.
    int MessageBoxW(const QString& text, const QString& caption = QString());

    int GetTemplateId() const { return m_templateId; }
    // Whether the window and its controls exist (Create or DoModal has built them).
    bool IsCreated() const { return m_built; }
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
    // Connects the handlers: one MapCommand or MapNotify per handled notification. Where two
    // name the same notification of the same control, the first one counts.
    virtual void ConnectMessageMap();

    // Command notifications: BN_CLICKED (buttons), LBN_SELCHANGE (list boxes).
    template <class D>
    void MapCommand(int code, int id, void (D::*handler)()) {
        static_assert(std::is_base_of_v<CDialog, D>);
        D* self = static_cast<D*>(this);
        bindCommand(code, id, [self, handler] { (self->*handler)(); });
    }
    // Notifications with a record: NM_CUSTOMDRAW (sliders), TCN_SELCHANGE (tab controls),
    // LVN_ITEMCHANGED (list views; the record is an NMLISTVIEW).
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

    // dialog.cpp: building and ending.
    bool build(const DialogTemplate& dialogTemplate, QWidget* parent);
    void destroyControls();
    void finishInit(bool defaultFocus);
    int indexOf(const QWidget* control) const;
    // radio_groups.cpp: one exclusive group per run of radio buttons, and their spoken names.
    void buildRadioGroups();
    void nameRadioGroups();
    QString headingFor(std::size_t index) const;
    // message_map.cpp: handlers connected to the controls' signals.
    QWidget* controlToMap(int code, int id, const char* fault);
    void bindCommand(int code, int id, std::function<void()> handler);
    void bindNotify(int code, int id, std::function<void(NMHDR*, LRESULT*)> handler);
    void connectStandardButtons();
    void dispatchCommand(int id);
    // keyboard.cpp: Enter, Escape, arrow keys and Tab.
    void pressEnter();
    bool moveInGroup(QWidget* from, bool forward);
    void collectTabTargets(QList<QWidget*>& targets) const;
    CDialog* navigationRoot();

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
