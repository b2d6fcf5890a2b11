#include "gui/layout/template_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChildEvent>
#include <QEventLoop>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
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
    QWidget* controlParent = this;
    if (child) {
        resize(size);
    } else if ((dialogTemplate.style & kDsAppWindow) != 0 && !fitsOnScreen(size)) {
        controlParent = scrollContent(size);
    } else {
        setFixedSize(size);
    }

    int run = 0;
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        if (i > 0 && (control.style & kGroup) != 0) {
            ++run;
        }
        QWidget* widget = CreateControl(control, m_units, imageLoader(), controlParent,
                                        dialogTemplate.translationContext);
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

// ---- screens too small for the window ---------------------------------------------------------

namespace {

// What the window manager adds around a window, before it has said: about a title bar and a thin
// frame (the same guess QDialog places a window by).
constexpr QMargins kFrameGuess(5, 35, 5, 5);

QRect AvailableArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace

bool TemplateDialog::fitsOnScreen(const QSize& size) const {
    const QRect available = AvailableArea(this);
    return available.isEmpty() ||
           (size.width() + kFrameGuess.left() + kFrameGuess.right() <= available.width() &&
            size.height() + kFrameGuess.top() + kFrameGuess.bottom() <= available.height());
}

QWidget* TemplateDialog::scrollContent(const QSize& size) {
    // The controls keep their places on a canvas of the template's size, which scrolls inside a
    // window that fits the screen's free area (inside its panels): nothing is cut off, and the
    // window can be moved and closed by its title bar.
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    auto* canvas = new QWidget;
    canvas->setFixedSize(size);
    m_scroll->setWidget(canvas);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);

    const QRect available = AvailableArea(this);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    const QSize room(available.width() - kFrameGuess.left() - kFrameGuess.right(),
                     available.height() - kFrameGuess.top() - kFrameGuess.bottom());
    QSize fitted = size.boundedTo(room);
    // A scroll bar on one side takes room from the other.
    if (fitted.height() < size.height())
        fitted.setWidth(std::min(room.width(), size.width() + bar));
    if (fitted.width() < size.width())
        fitted.setHeight(std::min(room.height(), size.height() + bar));
    setMinimumSize(std::min(fitted.width(), 320), std::min(fitted.height(), 240));
    setMaximumSize(size + QSize(bar, bar));
    resize(fitted);

    // What the keyboard reaches is scrolled into view, so Set is always within reach.
    connect(qApp, &QApplication::focusChanged, m_scroll, [this, canvas](QWidget*, QWidget* now) {
        if (now != nullptr && canvas->isAncestorOf(now))
            m_scroll->ensureWidgetVisible(now, 8, 8);
    });
    return canvas;
}

bool TemplateDialog::event(QEvent* event) {
    // Controls that the window adds in code later (a note, a link) are placed in template
    // coordinates too: on a scrolling canvas they belong on the canvas.
    if (event->type() == QEvent::ChildPolished && m_scroll != nullptr) {
        auto* added = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (added != nullptr && added->parentWidget() == this && added != m_scroll &&
            !added->isWindow()) {
            const bool shown = !added->isHidden();
            added->setParent(m_scroll->widget());
            added->setVisible(shown);
        }
    }
    return QDialog::event(event);
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
    if (m_scroll != nullptr) {
        delete layout();
        delete m_scroll;  // and the canvas with what was added to it
        m_scroll = nullptr;
    }
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
