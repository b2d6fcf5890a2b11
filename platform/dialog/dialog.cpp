#include "platform/dialog/dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <cstdlib>
#include <limits>

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

CDialog::ImageLoader& imageLoader() {
    static CDialog::ImageLoader loader = [](int resource) {
        return QPixmap(QStringLiteral(":/marlix/%1.png").arg(resource));
    };
    return loader;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption as a screen reader should say it: mnemonic markers removed, "&&" as '&'.
QString SpokenCaption(std::string_view caption) {
    const QString raw = FromUtf8(caption);
    QString spoken;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'&') {
            if (i + 1 < raw.size() && raw[i + 1] == u'&') {
                spoken += u'&';
                ++i;
            }
            continue;
        }
        spoken += raw[i];
    }
    return spoken.trimmed();
}

bool IsRadio(const ControlTemplate& control) {
    return control.kind == ControlKind::RadioButton;
}

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
           kind == ControlKind::RadioButton || kind == ControlKind::CheckBox;
}

[[noreturn]] void Fatal(const CDialog* dialog, const char* what, int id) {
    qFatal("dialog %d: %s (control %d)", dialog->GetTemplateId(), what, id);
    std::abort();
}

}  // namespace

// ---- data exchange ---------------------------------------------------------------------------

QWidget* CDataExchange::PrepareCtrl(int id) {
    QWidget* control = m_pDlgWnd->GetDlgItem(id);
    if (control == nullptr) {
        Fatal(m_pDlgWnd, "data exchange with a control the template does not have", id);
    }
    return control;
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
    pDX->PrepareCtrl(firstId);
    const QList<QAbstractButton*> buttons = pDX->m_pDlgWnd->GetRadioGroup(firstId);
    if (buttons.isEmpty()) {
        Fatal(pDX->m_pDlgWnd, "radio exchange not on the first button of a group", firstId);
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                value = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    // An exclusive group refuses to uncheck its last checked button, so exclusivity is lifted
    // while the group is written; that is what lets a value without a button clear the group.
    QButtonGroup* group = buttons.front()->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (group != nullptr) {
        group->setExclusive(false);
    }
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        buttons[i]->setChecked(i == value);
    }
    if (group != nullptr) {
        group->setExclusive(exclusive);
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    auto* button = qobject_cast<QAbstractButton*>(pDX->PrepareCtrl(id));
    if (button == nullptr) {
        Fatal(pDX->m_pDlgWnd, "check exchange with a control that is not a button", id);
    }
    if (pDX->m_bSaveAndValidate) {
        value = button->isChecked() ? 1 : 0;
    } else {
        button->setChecked(value != 0);
    }
}

void DDX_Slider(CDataExchange* pDX, int id, int& value) {
    auto* slider = qobject_cast<QAbstractSlider*>(pDX->PrepareCtrl(id));
    if (slider == nullptr) {
        Fatal(pDX->m_pDlgWnd, "slider exchange with a control that is not a slider", id);
    }
    if (pDX->m_bSaveAndValidate) {
        value = slider->value();
    } else {
        slider->setValue(value);
    }
}

void DDX_Text(CDataExchange* pDX, int id, QString& value) {
    QWidget* control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = GetWindowText(control);
    } else {
        SetWindowText(control, value);
    }
}

void DDX_Text(CDataExchange* pDX, int id, std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    DDX_Text(pDX, id, text);
    if (pDX->m_bSaveAndValidate) {
        utf8 = text.toStdString();
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.GetSafeHwnd() != nullptr) {
        return;
    }
    if (!control.Attach(pDX->PrepareCtrl(id))) {
        Fatal(pDX->m_pDlgWnd, "control object of the wrong kind for the control", id);
    }
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
        setWindowTitle(FromUtf8(dialogTemplate.caption));
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
        m_controls.push_back(ControlEntry{&control, createControl(control), run});
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

QWidget* CDialog::createControl(const ControlTemplate& control) {
    const QString caption = FromUtf8(control.caption);
    QRect geometry = DluToPixels(control.rect, m_units);
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            auto* button = new QPushButton(caption, this);
            button->setAutoDefault(true);
            button->setDefault(control.kind == ControlKind::DefPushButton);
            widget = button;
            break;
        }
        case ControlKind::RadioButton: {
            // Groups come from the template: each button joins its run's exclusive QButtonGroup,
            // which takes over from the parent-based exclusivity. The button stays
            // auto-exclusive so that it is still announced as a radio button.
            widget = new RadioButtonWidget(caption, this);
            break;
        }
        case ControlKind::CheckBox:
            widget = new CheckBoxWidget(caption, this);
            break;
        case ControlKind::StaticText: {
            auto* label = new QLabel(this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            label->setMargin(0);
            label->setIndent(0);
            widget = label;
            break;
        }
        case ControlKind::EtchedHorz: {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            geometry.setHeight(std::max(geometry.height(), 2));
            widget = line;
            break;
        }
        case ControlKind::StaticIcon: {
            auto* label = new QLabel(this);
            const QPixmap picture = imageLoader() ? imageLoader()(control.resource) : QPixmap();
            // An icon control takes the size of a standard icon, whatever the template says.
            geometry.setSize(QSize(32, 32));
            if (!picture.isNull()) {
                label->setPixmap(
                    picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            }
            widget = label;
            break;
        }
        case ControlKind::StaticBitmap: {
            auto* label = new QLabel(this);
            const QPixmap picture = imageLoader() ? imageLoader()(control.resource) : QPixmap();
            if (!picture.isNull()) {
                label->setPixmap(picture);
                // Sized to the bitmap, in layout pixels (a high-density picture is not larger).
                geometry.setSize(picture.deviceIndependentSize().toSize());
            }
            widget = label;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setFrame(true);
            widget = edit;
            break;
        }
        case ControlKind::ListBox:
            widget = new ListBoxWidget(this);
            break;
        case ControlKind::ListView:
            widget = new ListViewWidget(this);
            break;
        case ControlKind::TabControl:
            widget = new TabControlWidget(this);
            break;
        case ControlKind::Slider:
            widget = new SliderWidget(this);
            break;
    }
    TagControl(widget, control.id, (control.style & kNoPrefix) != 0);
    if (control.kind == ControlKind::StaticText) {
        SetWindowText(widget, caption);
    }
    switch (control.kind) {
        case ControlKind::StaticText:
        case ControlKind::EtchedHorz:
        case ControlKind::StaticIcon:
        case ControlKind::StaticBitmap:
            widget->setFocusPolicy(Qt::NoFocus);
            // Static controls never take the mouse: a click goes to whatever lies below them,
            // such as a tab under the banner or a slider's end under its label.
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            break;
        default:
            widget->setFocusPolicy(Qt::StrongFocus);
            break;
    }
    if (control.kind == ControlKind::RadioButton || control.kind == ControlKind::CheckBox) {
        widget->installEventFilter(this);
    }
    widget->setGeometry(geometry);
    widget->setEnabled((control.style & kDisabled) == 0);
    widget->setVisible((control.style & kVisible) != 0);
    return widget;
}

void CDialog::buildRadioGroups() {
    const int runs = m_controls.empty() ? 0 : m_controls.back().run + 1;
    m_runGroups.assign(static_cast<std::size_t>(runs), nullptr);
    for (ControlEntry& entry : m_controls) {
        if (!IsRadio(*entry.tmpl)) {
            continue;
        }
        QButtonGroup*& group = m_runGroups[static_cast<std::size_t>(entry.run)];
        if (group == nullptr) {
            group = new QButtonGroup(this);
            group->setExclusive(true);
        }
        group->addButton(static_cast<QAbstractButton*>(entry.widget));
    }
}

QString CDialog::headingFor(std::size_t index) const {
    // The heading of a group is the static text just above its first member: templates put it
    // anywhere in the order, so only the geometry tells.
    const DlgRect& first = m_controls[index].tmpl->rect;
    const ControlTemplate* best = nullptr;
    for (const ControlEntry& entry : m_controls) {
        const ControlTemplate& control = *entry.tmpl;
        if (control.kind != ControlKind::StaticText || control.caption.empty()) {
            continue;
        }
        const int dy = first.y - control.rect.y;
        const int dx = control.rect.x - first.x;
        if (dy <= 0 || dy > 24 || dx < -40 || dx > 40) {
            continue;
        }
        if (best == nullptr || dy < first.y - best->rect.y ||
            (dy == first.y - best->rect.y && std::abs(dx) < std::abs(best->rect.x - first.x))) {
            best = &control;
        }
    }
    return best == nullptr ? QString() : SpokenCaption(best->caption);
}

void CDialog::nameRadioGroups() {
    std::set<int> named;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const ControlEntry& entry = m_controls[i];
        if (entry.tmpl->kind == ControlKind::Slider) {
            const QString heading = headingFor(i);
            if (!heading.isEmpty()) {
                entry.widget->setAccessibleName(heading);
            }
            continue;
        }
        if (!IsRadio(*entry.tmpl) || named.count(entry.run) != 0) {
            continue;
        }
        named.insert(entry.run);
        const QString heading = headingFor(i);
        if (heading.isEmpty()) {
            continue;
        }
        for (const ControlEntry& member : m_controls) {
            if (member.run == entry.run && IsRadio(*member.tmpl)) {
                member.widget->setAccessibleName(heading + QStringLiteral(", ") +
                                                 SpokenCaption(member.tmpl->caption));
            }
        }
    }
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

QList<QAbstractButton*> CDialog::GetRadioGroup(int firstId) const {
    QList<QAbstractButton*> buttons;
    std::size_t start = m_controls.size();
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].tmpl->id == firstId) {
            start = i;
            break;
        }
    }
    if (start == m_controls.size() || !IsRadio(*m_controls[start].tmpl) ||
        (m_controls[start].tmpl->style & kGroup) == 0) {
        return buttons;
    }
    for (std::size_t i = start; i < m_controls.size(); ++i) {
        if (i > start && (m_controls[i].tmpl->style & kGroup) != 0) {
            break;
        }
        if (IsRadio(*m_controls[i].tmpl)) {
            buttons.append(static_cast<QAbstractButton*>(m_controls[i].widget));
        }
    }
    return buttons;
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
bool CDialog::EnableWindow(bool enable) {
    return marlix::EnableWindow(this, enable);
}
void CDialog::MoveWindow(int x, int y, int width, int height, bool repaint) {
    marlix::MoveWindow(this, x, y, width, height, repaint);
}
void CDialog::GetClientRect(QRect* rect) const {
    if (rect != nullptr) {
        *rect = this->rect();
    }
}

void CDialog::CheckDlgButton(int id, int check) {
    if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id))) {
        button->setChecked(check != BST_UNCHECKED);
    }
}

int CDialog::IsDlgButtonChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CDialog::SetDlgItemText(int id, const QString& text) {
    SetWindowText(GetDlgItem(id), text);
}
QString CDialog::GetDlgItemText(int id) const {
    return GetWindowText(GetDlgItem(id));
}

int CDialog::MessageBoxW(const QString& text, const QString& caption, unsigned type) {
    if (messageBoxHook()) {
        return messageBoxHook()(text, caption, type);
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, window());
    box.exec();
    return IDOK;
}

// ---- notifications ---------------------------------------------------------------------------

void CDialog::bindCommand(int code, int id, std::function<void()> handler) {
    // As in a message map, the first entry for a notification wins.
    if (!m_mapped.insert({code, id}).second) {
        return;
    }
    QWidget* control = GetDlgItem(id);
    if (control == nullptr) {
        Fatal(this, "command entry for a control the template does not have", id);
    }
    if (code == BN_CLICKED) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (button == nullptr) {
            Fatal(this, "BN_CLICKED entry for a control that is not a button", id);
        }
        m_clickHandlers.emplace(id, std::move(handler));
        connect(button, &QAbstractButton::clicked, this, [this, id] { dispatchCommand(id); });
    } else if (code == LBN_SELCHANGE) {
        auto* list = qobject_cast<ListBoxWidget*>(control);
        if (list == nullptr) {
            Fatal(this, "LBN_SELCHANGE entry for a control that is not a list box", id);
        }
        connect(list, &ListBoxWidget::selChange, this, std::move(handler));
    } else {
        Fatal(this, "command entry with a notification code the framework does not send", id);
    }
}

void CDialog::bindNotify(int code, int id, std::function<void(NMHDR*, LRESULT*)> handler) {
    if (!m_mapped.insert({code, id}).second) {
        return;
    }
    QWidget* control = GetDlgItem(id);
    if (control == nullptr) {
        Fatal(this, "notify entry for a control the template does not have", id);
    }
    if (code == NM_CUSTOMDRAW) {
        auto* slider = qobject_cast<SliderWidget*>(control);
        if (slider == nullptr) {
            Fatal(this, "NM_CUSTOMDRAW entry for a control that is not a slider", id);
        }
        connect(slider, &SliderWidget::customDraw, this, [slider, id, code, handler] {
            NMCUSTOMDRAW record;
            record.hdr = NMHDR{slider, id, code};
            LRESULT result = CDRF_DODEFAULT;
            handler(&record.hdr, &result);
        });
    } else if (code == TCN_SELCHANGE) {
        auto* tabs = qobject_cast<TabControlWidget*>(control);
        if (tabs == nullptr) {
            Fatal(this, "TCN_SELCHANGE entry for a control that is not a tab control", id);
        }
        connect(tabs, &TabControlWidget::selChange, this, [tabs, id, code, handler] {
            NMHDR header{tabs, id, code};
            LRESULT result = 0;
            handler(&header, &result);
        });
    } else if (code == LVN_ITEMCHANGED) {
        auto* list = qobject_cast<ListViewWidget*>(control);
        if (list == nullptr) {
            Fatal(this, "LVN_ITEMCHANGED entry for a control that is not a list view", id);
        }
        connect(list, &ListViewWidget::itemChanged, this,
                [list, id, code, handler](int item, unsigned newState, unsigned oldState,
                                          unsigned changed) {
                    NMLISTVIEW record;
                    record.hdr = NMHDR{list, id, code};
                    record.iItem = item;
                    record.uNewState = newState;
                    record.uOldState = oldState;
                    record.uChanged = changed;
                    LRESULT result = 0;
                    handler(&record.hdr, &result);
                });
    } else {
        Fatal(this, "notify entry with a notification code the framework does not send", id);
    }
}

void CDialog::connectStandardButtons() {
    // OK and Cancel reach OnOK and OnCancel unless the dispatch table routes them elsewhere.
    for (int id : {IDOK, IDCANCEL}) {
        if (m_clickHandlers.count(id) != 0) {
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id))) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { dispatchCommand(id); });
        }
    }
}

void CDialog::dispatchCommand(int id) {
    const auto handler = m_clickHandlers.find(id);
    if (handler != m_clickHandlers.end()) {
        handler->second();
    } else if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

// ---- keyboard --------------------------------------------------------------------------------

void CDialog::pressEnter() {
    // A focused push button is the default button while it has the focus.
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        if (focused->isEnabled() && focused->isVisible()) {
            focused->click();
            return;
        }
    }
    for (const ControlEntry& entry : m_controls) {
        if (entry.tmpl->kind == ControlKind::DefPushButton) {
            // A hidden default button still answers Enter; a disabled one does not.
            if (entry.widget->isEnabled()) {
                dispatchCommand(entry.tmpl->id);
            }
            return;
        }
    }
    dispatchCommand(IDOK);
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    if (!isWindow()) {
        // A page leaves Enter and Escape to the window it sits in.
        event->ignore();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        pressEnter();
        return;
    }
    if (modifiers == Qt::NoModifier && event->key() == Qt::Key_Escape) {
        dispatchCommand(IDCANCEL);
        return;
    }
    QWidget::keyPressEvent(event);
}

void CDialog::closeEvent(QCloseEvent* event) {
    if (!isWindow() || !isVisible()) {
        event->accept();
        return;
    }
    // The close box is Cancel, unless Cancel is there and disabled.
    event->ignore();
    QWidget* cancel = GetDlgItem(IDCANCEL);
    if (cancel != nullptr && !cancel->isEnabled()) {
        return;
    }
    dispatchCommand(IDCANCEL);
}

void CDialog::showEvent(QShowEvent* event) {
    if (isWindow()) {
        QDialog::showEvent(event);
    } else {
        // A page stays where it was put; QDialog would centre it on its parent.
        QWidget::showEvent(event);
    }
}

bool CDialog::moveInGroup(QWidget* from, bool forward) {
    const int index = indexOf(from);
    if (index < 0) {
        return false;
    }
    const int run = m_controls[static_cast<std::size_t>(index)].run;
    QList<QWidget*> members;
    for (const ControlEntry& entry : m_controls) {
        if (entry.run != run || !IsButtonKind(entry.tmpl->kind)) {
            continue;
        }
        if (entry.widget == from ||
            (entry.widget->isVisibleTo(this) && entry.widget->isEnabled())) {
            members.append(entry.widget);
        }
    }
    const qsizetype at = members.indexOf(from);
    if (members.size() < 2 || at < 0) {
        return true;
    }
    const qsizetype next = (at + (forward ? 1 : members.size() - 1)) % members.size();
    QWidget* target = members[next];
    target->setFocus(Qt::TabFocusReason);
    // Moving onto a radio button selects it, as a click would.
    if (auto* radio = qobject_cast<QRadioButton*>(target)) {
        radio->click();
    }
    return true;
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier) {
            switch (key->key()) {
                case Qt::Key_Up:
                case Qt::Key_Left:
                    return moveInGroup(static_cast<QWidget*>(watched), false);
                case Qt::Key_Down:
                case Qt::Key_Right:
                    return moveInGroup(static_cast<QWidget*>(watched), true);
                default:
                    break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDialog::collectTabTargets(QList<QWidget*>& targets) const {
    std::set<int> groupsDone;
    const QWidget* top = window();
    auto usable = [top](const QWidget* widget) {
        return widget->isVisibleTo(top) && widget->isEnabled();
    };
    for (const ControlEntry& entry : m_controls) {
        QWidget* widget = entry.widget;
        const bool tabStop = (entry.tmpl->style & kTabStop) != 0;
        if (IsRadio(*entry.tmpl)) {
            // A radio group is one stop: its checked button, or its first tab stop.
            if (tabStop && usable(widget) && groupsDone.insert(entry.run).second) {
                QWidget* target = widget;
                for (const ControlEntry& member : m_controls) {
                    if (member.run == entry.run && IsRadio(*member.tmpl) &&
                        static_cast<QAbstractButton*>(member.widget)->isChecked() &&
                        usable(member.widget)) {
                        target = member.widget;
                        break;
                    }
                }
                targets.append(target);
            }
        } else if (tabStop && usable(widget)) {
            targets.append(widget);
        }
        // Pages inside this control (the tab control's) follow it.
        for (CDialog* page : widget->findChildren<CDialog*>(Qt::FindDirectChildrenOnly)) {
            if (page->isVisibleTo(top)) {
                page->collectTabTargets(targets);
            }
        }
    }
    for (CDialog* page : findChildren<CDialog*>(Qt::FindDirectChildrenOnly)) {
        if (!page->isWindow() && page->isVisibleTo(top)) {
            page->collectTabTargets(targets);
        }
    }
}

CDialog* CDialog::navigationRoot() {
    CDialog* root = this;
    for (QWidget* widget = this; widget != nullptr && !widget->isWindow();) {
        widget = widget->parentWidget();
        if (auto* dialog = qobject_cast<CDialog*>(widget)) {
            root = dialog;
        }
    }
    return root;
}

bool CDialog::focusNextPrevChild(bool next) {
    CDialog* root = navigationRoot();
    QList<QWidget*> targets;
    root->collectTabTargets(targets);
    if (targets.isEmpty()) {
        return true;
    }
    QWidget* focus = root->window()->focusWidget();
    // The stop that holds the focus: the focused control itself or its radio group, else the
    // innermost stop containing it (a tab control contains its pages, but a page's own stops
    // come first).
    qsizetype current = -1;
    qsizetype container = -1;
    for (qsizetype i = 0; focus != nullptr && i < targets.size(); ++i) {
        QWidget* target = targets[i];
        const auto* targetButton = qobject_cast<QAbstractButton*>(target);
        const auto* focusButton = qobject_cast<QAbstractButton*>(focus);
        const bool sameGroup = targetButton != nullptr && focusButton != nullptr &&
                               targetButton->group() != nullptr &&
                               targetButton->group() == focusButton->group();
        if (target == focus || sameGroup) {
            current = i;
            break;
        }
        if (target->isAncestorOf(focus) &&
            (container < 0 || targets[container]->isAncestorOf(target))) {
            container = i;
        }
    }
    if (current < 0) {
        current = container;
    }
    const qsizetype count = targets.size();
    const qsizetype to =
        current < 0 ? (next ? 0 : count - 1) : (current + (next ? 1 : count - 1)) % count;
    targets[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace marlix
