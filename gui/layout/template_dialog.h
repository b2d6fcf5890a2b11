// A dialog built from a layout template (dialog_template.h): the pages, the main window and the
// two small dialogs are TemplateDialogs.
//
// Building makes the controls in template order, which is the Tab order and the order in which a
// radio group is walked; positions in dialog units become pixels through the template font's base
// units. Each run of radio buttons (from one group start to the next) gets one exclusive
// QButtonGroup whose ids are the buttons' positions in the run, which is the option a button
// selects. A subclass finds its controls with control() and connects to their signals in
// initialize(), which runs once the controls exist.
//
//   page.build(tabs);          // a page (child template): inside tabs, hidden
//   page.setGeometry(place);
//   page.show();
//   if (dialog.runModal() == QDialog::Accepted) { ... }  // Enter: default button, Escape: Cancel
//
// Tests answer a modal run with SetModalHook (called in place of the event loop, with the dialog
// shown).
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "gui/layout/control_factory.h"
#include "gui/layout/dialog_font.h"
#include "gui/layout/dialog_template.h"

class QButtonGroup;
class QScrollArea;

namespace marlix {

// The heading of the radio group or slider whose first control is controls[index] (the static
// text just above it), as a screen reader says it in the language marlix runs in (the template's
// translation context); empty when it has none.
QString GroupHeading(std::span<const ControlTemplate> controls, std::size_t index,
                     const char* context);

class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    using ModalHook = std::function<int(TemplateDialog& dialog)>;

    explicit TemplateDialog(int templateId, QWidget* parent = nullptr);
    // A dialog on a template that is not in the program's table (tests).
    explicit TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~TemplateDialog() override;

    // Builds the window on the template as a child (or pop-up) of parent, hidden, and runs
    // initialize(). False when the template does not exist.
    bool build(QWidget* parent);
    // Builds the window, runs initialize() and the modal loop: QDialog::Accepted or Rejected
    // (or what done() was given); -1 when the template does not exist or is a page's.
    int runModal();

    int templateId() const { return m_templateId; }
    // Whether the window and its controls exist.
    bool isBuilt() const { return m_built; }
    // The first control with that ID, or nullptr.
    QWidget* control(int id) const;
    template <class Widget>
    Widget* control(int id) const {
        return qobject_cast<Widget*>(control(id));
    }
    // Every control, in template order.
    QList<QWidget*> controls() const;
    const ControlTemplate* controlTemplate(const QWidget* control) const;
    const DialogTemplate* dialogTemplate() const { return m_template; }
    QRect toPixels(const DlgRect& rect) const { return DluToPixels(rect, m_units); }
    // A widget made in code (a link of a note) as a Tab stop right after the template's control
    // afterId, while it is shown and enabled.
    void addTabStopAfter(int afterId, QWidget* widget);
    // A caption of this dialog's template as it is shown: in the language marlix runs in.
    QString captionOf(std::string_view caption) const;
    // The exclusive group of the radio buttons from firstId up to the next group start, the
    // buttons' ids their positions; nullptr when firstId is not a radio button that starts one.
    QButtonGroup* radioGroup(int firstId) const;

    static void SetModalHook(ModalHook hook);
    // Pictures of static icon and bitmap controls by resource number. The default looks for
    // ":/marlix/<number>.png".
    static void SetImageLoader(ImageLoader loader);

public slots:
    void done(int result) override;

protected:
    // Runs once the controls exist; true gives the focus to the first control that takes it.
    virtual bool initialize() { return true; }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ControlEntry {
        const ControlTemplate* tmpl;
        QWidget* widget;
        int run;  // index of the group run the control belongs to
    };

    // template_dialog.cpp: building and ending.
    bool buildFrom(const DialogTemplate& dialogTemplate, QWidget* parent);
    void destroyControls();
    // The program's window on a screen too small for it: whether it fits, and the scrolling
    // canvas its controls go on when it does not.
    bool fitsOnScreen(const QSize& size) const;
    QWidget* scrollContent(const QSize& size);
    void finishBuild(bool defaultFocus);
    int indexOf(const QWidget* control) const;
    // radio_groups.cpp: one exclusive group per run of radio buttons, and their spoken names.
    void buildRadioGroups();
    void nameRadioGroups();
    QString headingFor(std::size_t index) const;
    // keyboard.cpp: Enter, Escape, arrow keys and Tab.
    void pressEnter();
    bool moveInGroup(QWidget* from, bool forward);
    void collectTabTargets(QList<QWidget*>& targets) const;
    TemplateDialog* navigationRoot();

    int m_templateId;
    const DialogTemplate* m_template = nullptr;
    DialogBaseUnits m_units;
    std::vector<ControlEntry> m_controls;
    // By run; nullptr for a run without radio buttons.
    std::vector<QButtonGroup*> m_runGroups;
    // Widgets made in code as Tab stops: (after which ID, widget).
    std::vector<std::pair<int, QPointer<QWidget>>> m_codeTabStops;
    QScrollArea* m_scroll = nullptr;  // only where the screen is too small for the window
    bool m_built = false;
    bool m_ended = false;
    int m_endResult = 0;
};

}  // namespace marlix
