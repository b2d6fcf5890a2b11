#include "gui/dialog/dialog.h"

#include <QButtonGroup>
#include <QMessageBox>
#include <cstdlib>

#include "gui/dialog/captions.h"
#include "gui/dialog/dialog_fault.h"

namespace marlix {

namespace {

CDialog::ModalHook& modalHook() {
    static CDialog::ModalHook hook;
    return hook;
}

CDialog::MessageBoxHook& messageBoxHook() {
    static CDialog::MessageBoxHook hook;
    return hook;
}

ImageLoader& imageLoader() {
    static ImageLoader loader = [](int resource) {
        return QPixmap(QStringLiteral(":/marlix/%1.png").arg(resource));
    };
    return loader;
}

}  // namespace

void DialogFault(int templateId, const char* what, int controlId) {
    qFatal("dialog %d: %s (control %d)", templateId, what, controlId);
    std::abort();
}

// ---- construction and creation ---------------------------------------------------------------

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), m_templateId(templateId) {}

CDialog::CDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_templateId(dialogTemplate.id), m_template(&dialogTemplate) {}

CDialog::~CDialog() = default;

void CDialog::SetModalHook(ModalHook hook) {
    modalHook() = std::move(hook);
}
void CDialog::SetMessageBoxHook(MessageBoxHook hook) {
    messageBoxHook() = std::move(hook);
}
void CDialog::SetImageLoader(ImageLoader loader) {
    imageLoader() = std::move(loader);
}

bool CDialog::Create(int templateId, QWidget* parent) {
    const DialogTemplate* dialogTemplate = (m_template != nullptr && m_template->id == templateId)
                                               ? m_template
                                               : FindDialogTemplate(templateId);
    if (dialogTemplate == nullptr) {
        return false;
    }
    m_templateId = templateId;
    if (!build(*dialogTemplate, parent)) {
        return false;
    }
    // The templates of modeless windows carry no visible style: they start hidden.
    setVisible(false);
    finishInit(false);
    return true;
}

int CDialog::DoModal() {
    const DialogTemplate* dialogTemplate =
        m_template != nullptr ? m_template : FindDialogTemplate(m_templateId);
    if (dialogTemplate == nullptr || (dialogTemplate->style & kDsChild) != 0) {
        return -1;
    }
    if (!build(*dialogTemplate, parentWidget())) {
        return -1;
    }
    m_ended = false;
    m_endResult = 0;
    finishInit(true);
    if (m_ended) {
        return m_endResult;  // OnInitDialog ended it: never show a window that gave up
    }
    if (modalHook()) {
        setWindowModality(Qt::ApplicationModal);
        show();
        const int answer = modalHook()(*this);
        if (isVisible()) {
            hide();
        }
        return m_ended ? m_endResult : answer;
    }
    const int result = exec();
    return m_ended ? m_endResult : result;
}

void CDialog::finishInit(bool defaultFocus) {
    ConnectMessageMap();
    connectStandardButtons();
    const bool wantsFocus = OnInitDialog();
    // Only a window takes the focus: a page created inside another window leaves it alone.
    if (wantsFocus && defaultFocus && isWindow()) {
        QList<QWidget*> targets;
        collectTabTargets(targets);
        if (!targets.isEmpty()) {
            targets.front()->setFocus(Qt::TabFocusReason);
        }
    }
}

bool CDialog::build(const DialogTemplate& dialogTemplate, QWidget* parent) {
    destroyControls();
    m_template = &dialogTemplate;

    const bool child = (dialogTemplate.style & kDsChild) != 0;
    if (child) {
        setParent(parent, Qt::Widget);
    } else {
        Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
        if ((dialogTemplate.style & kDsCaption) != 0) {
            flags |= Qt::WindowTitleHint;
        }
        if ((dialogTemplate.style & kDsSysMenu) != 0) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        }
        setParent(parent, flags);
        setWindowTitle(CaptionText(dialogTemplate.caption));
    }

    QFont font = MakeDialogFont(dialogTemplate.fontFace, dialogTemplate.pointSize);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    setFont(font);
    m_units = BaseUnitsOf(font);

    const QSize size(DluToPixelsX(dialogTemplate.cx, m_units),
                     DluToPixelsY(dialogTemplate.cy, m_units));
    if (child) {
        resize(size);
    } else {
        setFixedSize(size);
    }

    int run = 0;
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        if (i > 0 && (control.style & kGroup) != 0) {
            ++run;
        }
        QWidget* widget = CreateControl(control, m_units, imageLoader(), this);
        // Arrow keys move within the group (keyboard.cpp).
        if (control.kind == ControlKind::RadioButton || control.kind == ControlKind::CheckBox) {
            widget->installEventFilter(this);
        }
        m_controls.push_back(ControlEntry{&control, widget, run});
    }
    buildRadioGroups();
    nameRadioGroups();
    m_built = true;
    return true;
}

void CDialog::destroyControls() {
    for (QButtonGroup* group : m_runGroups) {
        delete group;
    }
    m_runGroups.clear();
    for (ControlEntry& entry : m_controls) {
        delete entry.widget;
    }
    m_controls.clear();
    m_clickHandlers.clear();
    m_mapped.clear();
    m_built = false;
}

// ---- lookups ---------------------------------------------------------------------------------

QWidget* CDialog::GetDlgItem(int id) const {
    for (const ControlEntry& entry : m_controls) {
        if (entry.tmpl->id == id) {
            return entry.widget;
        }
    }
    return nullptr;
}

int CDialog::indexOf(const QWidget* control) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].widget == control) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QList<QWidget*> CDialog::GetControls() const {
    QList<QWidget*> controls;
    for (const ControlEntry& entry : m_controls) {
        controls.append(entry.widget);
    }
    return controls;
}

const ControlTemplate* CDialog::GetControlTemplate(const QWidget* control) const {
    const int index = indexOf(control);
    return index < 0 ? nullptr : m_controls[static_cast<std::size_t>(index)].tmpl;
}

// ---- data and ending -------------------------------------------------------------------------

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange* pDX) {
    (void)pDX;
}

void CDialog::ConnectMessageMap() {}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    if (!m_built) {
        return false;
    }
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return true;
}

void CDialog::EndDialog(int result) {
    m_ended = true;
    m_endResult = result;
    setResult(result);
    if (isWindow()) {
        QDialog::done(result);
    } else {
        hide();
    }
}

void CDialog::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::accept() {
    dispatchCommand(IDOK);
}
void CDialog::reject() {
    dispatchCommand(IDCANCEL);
}

// ---- window operations -----------------------------------------------------------------------

bool CDialog::ShowWindow(int cmdShow) {
    return marlix::ShowWindow(this, cmdShow);
}
void CDialog::MoveWindow(int x, int y, int width, int height, bool repaint) {
    marlix::MoveWindow(this, x, y, width, height, repaint);
}

int CDialog::MessageBoxW(const QString& text, const QString& caption) {
    if (messageBoxHook()) {
        return messageBoxHook()(text, caption);
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, window());
    box.exec();
    return IDOK;
}

}  // namespace marlix
