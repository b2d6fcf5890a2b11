#include "gui/layout/template_dialog.h"

#include <QButtonGroup>
#include <QEventLoop>
#include <cstdlib>

#include "gui/layout/captions.h"
#include "gui/layout/dialog_fault.h"

namespace marlix {

namespace {

TemplateDialog::ModalHook& modalHook() {
    static TemplateDialog::ModalHook hook;
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

TemplateDialog::TemplateDialog(int templateId, QWidget* parent)
    : QDialog(parent), m_templateId(templateId) {}

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_templateId(dialogTemplate.id), m_template(&dialogTemplate) {}

TemplateDialog::~TemplateDialog() = default;

void TemplateDialog::SetModalHook(ModalHook hook) {
    modalHook() = std::move(hook);
}
void TemplateDialog::SetImageLoader(ImageLoader loader) {
    imageLoader() = std::move(loader);
}

bool TemplateDialog::build(QWidget* parent) {
    const DialogTemplate* dialogTemplate =
        m_template != nullptr ? m_template : FindDialogTemplate(m_templateId);
    if (dialogTemplate == nullptr || !buildFrom(*dialogTemplate, parent)) {
        return false;
    }
    // Built windows start hidden; the caller shows them where it wants them.
    setVisible(false);
    finishBuild(false);
    return true;
}

int TemplateDialog::runModal() {
    const DialogTemplate* dialogTemplate =
        m_template != nullptr ? m_template : FindDialogTemplate(m_templateId);
    if (dialogTemplate == nullptr || (dialogTemplate->style & kDsChild) != 0) {
        return -1;
    }
    if (!buildFrom(*dialogTemplate, parentWidget())) {
        return -1;
    }
    m_ended = false;
    m_endResult = 0;
    finishBuild(true);
    if (m_ended) {
        return m_endResult;  // initialize() ended it: never show a window that gave up
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
    if ((dialogTemplate->style & kDsAppWindow) != 0) {
        // QDialog::exec would make the window modal, and window managers take a modal window
        // for a dialog of some other one. Nothing else is open, so a plain loop does the same.
        QEventLoop loop;
        connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
        show();
        loop.exec(QEventLoop::DialogExec);
        return m_ended ? m_endResult : result();
    }
    const int result = exec();
    return m_ended ? m_endResult : result;
}

void TemplateDialog::finishBuild(bool defaultFocus) {
    // OK and Cancel end the dialog unless the dialog class has connected them itself.
    if (auto* ok = control<QAbstractButton>(kIdOk)) {
        connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
    }
    if (auto* cancel = control<QAbstractButton>(kIdCancel)) {
        connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    }
    const bool wantsFocus = initialize();
    // Only a window takes the focus: a page created inside another window leaves it alone.
    if (wantsFocus && defaultFocus && isWindow()) {
        QList<QWidget*> targets;
        collectTabTargets(targets);
        if (!targets.isEmpty()) {
            targets.front()->setFocus(Qt::TabFocusReason);
        }
    }
}

bool TemplateDialog::buildFrom(const DialogTemplate& dialogTemplate, QWidget* parent) {
    destroyControls();
    m_template = &dialogTemplate;

    const bool child = (dialogTemplate.style & kDsChild) != 0;
    if (child) {
        setParent(parent, Qt::Widget);
    } else {
        // A dialog is transient for its owner (or, without one, for the whole program), which
        // keeps it out of the task bar; the main window must be a window of its own.
        const bool appWindow = (dialogTemplate.style & kDsAppWindow) != 0;
        Qt::WindowFlags flags = (appWindow ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint;
        if ((dialogTemplate.style & kDsCaption) != 0) {
            flags |= Qt::WindowTitleHint;
        }
        if ((dialogTemplate.style & kDsSysMenu) != 0) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        }
        setParent(parent, flags);
        setWindowTitle(captionOf(dialogTemplate.caption));
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
        QWidget* widget =
            CreateControl(control, m_units, imageLoader(), this, dialogTemplate.translationContext);
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

void TemplateDialog::destroyControls() {
    for (QButtonGroup* group : m_runGroups) {
        delete group;
    }
    m_runGroups.clear();
    for (ControlEntry& entry : m_controls) {
        delete entry.widget;
    }
    m_controls.clear();
    m_built = false;
}

// ---- lookups ---------------------------------------------------------------------------------

QString TemplateDialog::captionOf(std::string_view caption) const {
    return TranslatedCaption(m_template != nullptr ? m_template->translationContext : "", caption);
}

QWidget* TemplateDialog::control(int id) const {
    for (const ControlEntry& entry : m_controls) {
        if (entry.tmpl->id == id) {
            return entry.widget;
        }
    }
    return nullptr;
}

int TemplateDialog::indexOf(const QWidget* control) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].widget == control) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QList<QWidget*> TemplateDialog::controls() const {
    QList<QWidget*> controls;
    for (const ControlEntry& entry : m_controls) {
        controls.append(entry.widget);
    }
    return controls;
}

const ControlTemplate* TemplateDialog::controlTemplate(const QWidget* control) const {
    const int index = indexOf(control);
    return index < 0 ? nullptr : m_controls[static_cast<std::size_t>(index)].tmpl;
}

// ---- ending ----------------------------------------------------------------------------------

void TemplateDialog::done(int result) {
    m_ended = true;
    m_endResult = result;
    if (isWindow()) {
        QDialog::done(result);
    } else {
        setResult(result);
        hide();
    }
}

}  // namespace marlix
