// The keyboard in a dialog: Enter presses the default button, Escape and the close box cancel,
// the arrow keys move within a group, and Tab walks the controls in template order, once per
// radio group, through the page a tab control shows.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <set>

#include "gui/layout/template_dialog.h"

namespace marlix {

namespace {

bool IsButtonKind(ControlKind kind) {
    return kind == ControlKind::PushButton || kind == ControlKind::DefPushButton ||
           kind == ControlKind::RadioButton || kind == ControlKind::CheckBox;
}

}  // namespace

void TemplateDialog::pressEnter() {
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
            static_cast<QAbstractButton*>(entry.widget)->click();  // a disabled one ignores it
            return;
        }
    }
    accept();
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
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
        reject();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TemplateDialog::closeEvent(QCloseEvent* event) {
    if (!isWindow() || !isVisible()) {
        event->accept();
        return;
    }
    // The close box is Cancel, unless Cancel is there and disabled.
    event->ignore();
    QWidget* cancel = control(kIdCancel);
    if (cancel != nullptr && !cancel->isEnabled()) {
        return;
    }
    reject();
}

void TemplateDialog::showEvent(QShowEvent* event) {
    if (isWindow()) {
        QDialog::showEvent(event);
    } else {
        // A page stays where it was put; QDialog would centre it on its parent.
        QWidget::showEvent(event);
    }
}

bool TemplateDialog::moveInGroup(QWidget* from, bool forward) {
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

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
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

void TemplateDialog::addTabStopAfter(int afterId, QWidget* widget) {
    m_codeTabStops.emplace_back(afterId, widget);
}

void TemplateDialog::collectTabTargets(QList<QWidget*>& targets) const {
    std::set<int> groupsDone;
    const QWidget* top = window();
    auto usable = [top](const QWidget* widget) {
        return widget->isVisibleTo(top) && widget->isEnabled();
    };
    for (const ControlEntry& entry : m_controls) {
        QWidget* widget = entry.widget;
        const bool tabStop = (entry.tmpl->style & kTabStop) != 0;
        if (IsRadioButton(*entry.tmpl)) {
            // A radio group is one stop: its checked button, or its first tab stop.
            if (tabStop && usable(widget) && groupsDone.insert(entry.run).second) {
                QWidget* target = widget;
                for (const ControlEntry& member : m_controls) {
                    if (member.run == entry.run && IsRadioButton(*member.tmpl) &&
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
        for (const auto& [afterId, stop] : m_codeTabStops) {
            if (afterId == entry.tmpl->id && stop && usable(stop)) {
                targets.append(stop);
            }
        }
        // Pages inside this control (the tab control's) follow it.
        for (TemplateDialog* page :
             widget->findChildren<TemplateDialog*>(Qt::FindDirectChildrenOnly)) {
            if (page->isVisibleTo(top)) {
                page->collectTabTargets(targets);
            }
        }
    }
    for (TemplateDialog* page : findChildren<TemplateDialog*>(Qt::FindDirectChildrenOnly)) {
        if (!page->isWindow() && page->isVisibleTo(top)) {
            page->collectTabTargets(targets);
        }
    }
}

TemplateDialog* TemplateDialog::navigationRoot() {
    TemplateDialog* root = this;
    for (QWidget* widget = this; widget != nullptr && !widget->isWindow();) {
        widget = widget->parentWidget();
        if (auto* dialog = qobject_cast<TemplateDialog*>(widget)) {
            root = dialog;
        }
    }
    return root;
}

bool TemplateDialog::focusNextPrevChild(bool next) {
    TemplateDialog* root = navigationRoot();
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
